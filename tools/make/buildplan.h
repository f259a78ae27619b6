#pragma once
// Everything a build will write, worked out and checked before anything is written.

#include "tools/make/cataloguetext.h"
#include "tools/make/pageplan.h"
#include "tools/make/picturefile.h"
#include "tools/make/sourcefile.h"

#include <string>
#include <vector>

struct PictureJob {
    std::string source;     // the file in the source folder
    std::string outputName; // UTF-8 file name under the catalogue's images/
    PictureFacts facts;
    int entry = 0, position = 0; // where it is first named, from 1 (for the progress line)
    bool asIs = false;           // copied byte for byte even when it does not fit the frame
};

struct FaceJob {
    std::string name;   // as the viewer loads it from the catalogue folder
    std::string source; // the source folder's own face, or "" for the built-in one
};

struct BuildPlan {
    std::vector<CatalogueEntry> entries;
    std::vector<PictureJob> pictures; // each file once, however many entries name it
    std::vector<FaceJob> faces;
    PagesPlan pages;
    std::vector<Problem> problems; // the parser's and the checks', by line
};

// Checks the parsed source against the catalogue's limits and the viewer's file rules, finds
// and reads the header of every picture under sourceFolder/images. Writes nothing.
BuildPlan PlanBuild(const std::string& sourceFolder, ParsedSource parsed);
