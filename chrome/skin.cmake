# The skinned window and its region bytes, the window descriptions with their builder, and the
# controls the descriptions name.
target_sources(vendral_chrome PRIVATE
    accelerator.cpp accelerator.h
    boldface.cpp boldface.h
    hexbytes.cpp hexbytes.h
    regiondata.cpp regiondata.h
    tregiontype.h
    tcoolform.cpp tcoolform.h
    coolformstore.cpp coolformstore.h
    tlistbox.cpp tlistbox.h
    tedit.cpp tedit.h
    tlabel.cpp tlabel.h
    tbutton.cpp tbutton.h
    ttimer.cpp ttimer.h
    formdescription.cpp formdescription.h
    formhandlers.h
    formstyle.cpp formstyle.h
    formbuilder.cpp formbuilder.h
)
target_link_libraries(vendral_chrome PUBLIC vendral_assets)
