#include "tools/artwork/textpages.h"

#include "tools/artwork/democontent.h"
#include "tools/artwork/descriptions.h"
#include "tools/artwork/layout.h"
#include "tools/artwork/pagesetting.h"

QImage PaintDescriptionPage(int k) {
    const DemoEntry& entry = DemoEntries()[k - 1];
    DescriptionPageText text{entry.title,         entry.place,    entry.time,
                             {entry.description}, entry.initials, {}};
    for (const DemoPicture& picture : entry.pictures)
        text.pictures << picture.name;
    return SetDescriptionPage(DescriptionPageSizes[k - 1], text).image;
}

QImage PaintIntroPage(int page) {
    const IntroPageText intro = IntroText(page);
    return SetIntroductionPage(IntroPageSizes[page - 1], {intro.heading, intro.paragraphs}).image;
}
