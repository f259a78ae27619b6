#include "tools/make/pageplan.h"

#include "core/cp1250.h"
#include "core/files.h"
#include "tools/artwork/artwork.h"
#include "tools/make/cataloguevalue.h"
#include "tools/make/ownbackgrounds.h"
#include "tools/make/picturefile.h"

#include "pictures/jpegencoder.h"

#include <QRawFont>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

// As the built-in pages are stored.
constexpr int PageQuality = 92;
constexpr int PageDpi = 72;

std::vector<std::uint8_t> PageJpeg(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = rgb.width() * 3;
    std::vector<std::uint8_t> pixels(std::size_t(rowBytes) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), rowBytes, pixels.begin() + std::ptrdiff_t(y) * rowBytes);
    return EncodeJpeg(pixels.data(), rgb.width(), rgb.height(), false, PageQuality, PageDpi);
}

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QStringList Q(const std::vector<std::string>& paragraphs) {
    QStringList list;
    for (const std::string& paragraph : paragraphs)
        list << Q(paragraph);
    return list;
}

class PagePlanner {
public:
    PagePlanner(const std::string& sourceFolder, std::vector<Problem>& problems)
        : folder_(sourceFolder + "/"), problems_(problems) {}

    PagesPlan Plan(const ParsedSource& parsed, const std::vector<CatalogueEntry>& entries) {
        const SourcePages& pages = parsed.pages;
        for (const SourceValue& picture : pages.pagePictures)
            TakePagePicture(picture);
        if (pages.logoPicture.line != 0)
            LogoPicture(pages.logoPicture);
        plan_.ownTexts =
            pages.collection.line || !pages.sponsor.empty() || !pages.introduction.empty() ||
            pages.credits.line || pages.splashPhotograph.line || pages.descriptionLink.line ||
            std::any_of(parsed.entries.begin(), parsed.entries.end(), [](const SourceEntry& entry) {
                return entry.description.line || entry.initials.line;
            });
        if (!plan_.ownTexts)
            return std::move(plan_);
        if (!LoadFonts())
            return std::move(plan_);
        // Once the catalogue has words of its own, every entry gets its page, so that none
        // shows a built-in page written about another collection.
        for (std::size_t k = 0; k < parsed.entries.size() && k < entries.size(); ++k)
            Description(parsed.entries[k], entries[k], int(k) + 1);
        for (std::size_t i = 0; i < pages.introduction.size(); ++i)
            Introduction(pages.introduction[i], int(i) + 1);
        Splash(pages);
        Logo(pages.collection);
        DescriptionLink(pages.descriptionLink);
        About(pages.credits);
        std::sort(plan_.pages.begin(), plan_.pages.end(), [](const PageJob& a, const PageJob& b) {
            return std::make_pair(int(a.page.kind), a.page.number) <
                   std::make_pair(int(b.page.kind), b.page.number);
        });
        return std::move(plan_);
    }

private:
    void TakePagePicture(const SourceValue& value) {
        const std::string shown = std::string(SourcePageFolder) + "/" + value.text;
        const std::optional<PageFile> page = PageFromFileName(value.text);
        if (!page || value.text.find_first_of("/\\") != std::string::npos) {
            Report(value.line, "\"" + value.text +
                                   "\" is not the name of a page: description-1.jpg to "
                                   "description-40.jpg, introduction-1.jpg, introduction-2.jpg, "
                                   "splash.jpg, about.jpg, logo.jpg or "
                                   "description-link.jpg");
            return;
        }
        if (!Claim(*page, value.line))
            return;
        const std::optional<std::string> found = files::Resolve(folder_ + shown);
        std::error_code error;
        if (!found || !std::filesystem::is_regular_file(*found, error)) {
            Report(value.line, shown + " is not in the source folder");
            return;
        }
        // Copied unchanged, so it must be a JPEG the viewer shows as it is. A text page larger
        // than its box is only cut, as some built-in pages are; a background must fit exactly.
        PictureFacts facts;
        std::string why = ProbePicture(*found, facts);
        if (why.empty())
            why = WhyNotAsIs(facts);
        if (why.empty() && HasExactSize(*page))
            why = PageSizeProblem(*page, {facts.upright.width(), facts.upright.height()});
        if (!why.empty()) {
            Report(value.line, shown + " cannot be the page: " + why);
            return;
        }
        plan_.pages.push_back({*page, {}, *found});
    }

    // Each page comes from one line only.
    bool Claim(PageFile page, int line) {
        const auto [known, added] = claimed_.try_emplace(PageFileName(page), line);
        if (!added)
            Report(line, "the page " + PageFileName(page) + " is already made on line " +
                             std::to_string(known->second));
        return added;
    }

    bool Claimed(PageFile page) const { return claimed_.count(PageFileName(page)) != 0; }

    bool LoadFonts() {
        if (!LoadArtworkFonts()) {
            Report(0, "the pages are set in EB Garamond, which is not installed (Debian "
                      "package fonts-ebgaramond)");
            return false;
        }
        fonts_[0] = QRawFont(ArtworkFontFile(Face::Regular), 20);
        fonts_[1] = QRawFont(ArtworkFontFile(Face::Italic), 20);
        return true;
    }

    // A text of the pages: any characters the font has, on one line each.
    bool Checked(const std::string& utf8, int line, const std::string& what,
                 Face face = Face::Regular) {
        // Code page 1250 is no limit here, only the UTF-8 itself and control characters.
        const QString text = Q(utf8);
        if (text.toStdString() != utf8) {
            Report(line, what + " is not valid UTF-8 text");
            return false;
        }
        const QRawFont& font = fonts_[face == Face::Italic ? 1 : 0];
        for (const char32_t c : text.toStdU32String()) {
            if (c == '\n')
                continue;
            if (c < 0x20 || c == 0x7F) {
                Report(line, what + " holds a control character (" + CodePointName(c) + ")");
                return false;
            }
            if (!font.supportsCharacter(uint(c))) {
                Report(line, what + " holds \"" + QString::fromUcs4(&c, 1).toStdString() + "\" (" +
                                 CodePointName(c) +
                                 "), which the pages' font, EB Garamond, does not have");
                return false;
            }
        }
        return true;
    }

    bool Checked(const std::vector<std::string>& paragraphs, int line, const std::string& what) {
        return std::all_of(paragraphs.begin(), paragraphs.end(),
                           [&](const std::string& p) { return Checked(p, line, what); });
    }

    void Description(const SourceEntry& source, const CatalogueEntry& entry, int k) {
        const PageFile page{PageKind::Description, k};
        const int line = source.description.line ? source.description.line : source.title.line;
        if (Claimed(page)) {
            if (source.description.line || source.initials.line)
                Report(line, "entry " + std::to_string(k) +
                                 " has a page picture as well as a "
                                 "description");
            return;
        }
        claimed_[PageFileName(page)] = line;
        const std::string what = "the description of entry " + std::to_string(k);
        if (!Checked(source.description.paragraphs, line, what) ||
            !Checked(source.initials.text, source.initials.line, "the initials", Face::Italic))
            return;
        DescriptionPageText text{Q(source.title.text),    Q(source.place.text),
                                 Q(source.time.text),     Q(source.description.paragraphs),
                                 Q(source.initials.text), {}};
        for (const ShortText& picture : entry.pictures)
            text.pictures << Q(Cp1250ToUtf8(picture));
        const PageSize box = PageBox(page);
        Keep(page, SetDescriptionPage({box.width, box.height}, text), line, what);
    }

    void Introduction(const SourceIntroduction& source, int number) {
        const PageFile page{PageKind::Introduction, number};
        const int line = source.heading.line;
        if (!Claim(page, line))
            return;
        const std::string what = "introduction page " + std::to_string(number);
        if (!Checked(source.heading.text, line, "the heading of " + what, Face::Italic) ||
            !Checked(source.text.paragraphs, line, what))
            return;
        const PageSize box = PageBox(page);
        Keep(page,
             SetIntroductionPage({box.width, box.height},
                                 {Q(source.heading.text), Q(source.text.paragraphs)}),
             line, what);
    }

    void Keep(PageFile page, const SetPage& set, int line, const std::string& what) {
        if (!set.fits) {
            Report(line, what +
                             " does not fit its page even in the smallest type; shorten it "
                             "by about " +
                             std::to_string(std::max(1, int(set.overflow * 100 + 0.5))) + " %");
            return;
        }
        plan_.pages.push_back({page, PageJpeg(set.image), {}});
    }

    void Splash(const SourcePages& pages) {
        const int first = pages.collection.line    ? pages.collection.line
                          : !pages.sponsor.empty() ? pages.sponsor.front().line
                                                   : pages.splashPhotograph.line;
        if (first == 0)
            return;
        const PageFile page{PageKind::Splash, 0};
        if (!Claim(page, first))
            return;
        if (pages.collection.line == 0) {
            Report(first, "the splash needs the collection's title: add a \"collection:\" line");
            return;
        }
        bool good = CollectionReadable(pages.collection);
        QStringList sponsor;
        for (const SourceValue& line : pages.sponsor) {
            good = Checked(line.text, line.line, "the sponsor line") && good;
            sponsor << Q(line.text);
        }
        QImage photograph;
        if (pages.splashPhotograph.line != 0)
            good = Photograph(pages.splashPhotograph, photograph) && good;
        else
            photograph = DefaultSplashPhoto();
        if (!good)
            return;
        try {
            plan_.pages.push_back(
                {page,
                 PageJpeg(PaintOwnSplash(Q(pages.collection.text), sponsor, photograph)),
                 {}});
        } catch (const std::runtime_error& failure) {
            const bool title = std::string(failure.what()).starts_with("the collection");
            Report(title || sponsor.isEmpty() ? pages.collection.line : pages.sponsor.front().line,
                   failure.what());
        }
    }

    // The collection's title is checked once, for the splash and the logo both.
    bool CollectionReadable(const SourceValue& collection) {
        if (!collectionReadable_)
            collectionReadable_ =
                Checked(collection.text, collection.line, "the collection's title");
        return *collectionReadable_;
    }

    // The photograph cut to fill the splash's frame, as a print is trimmed to its mount.
    bool Photograph(const SourceValue& value, QImage& photograph) {
        const QSize frame = SplashPhotoSize();
        QImage picture;
        if (!ReadSourcePicture(value, frame, picture))
            return false;
        const QImage covering =
            picture.scaled(frame, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        photograph =
            covering.copy((covering.width() - frame.width()) / 2,
                          (covering.height() - frame.height()) / 2, frame.width(), frame.height());
        return true;
    }

    // A picture of the source's images/, upright, decoded no smaller than `cover`.
    bool ReadSourcePicture(const SourceValue& value, QSize cover, QImage& picture) {
        const std::string shown = std::string(SourcePictureFolder) + "/" + value.text;
        const std::optional<std::string> found = files::Resolve(folder_ + shown);
        std::error_code error;
        if (!found || !std::filesystem::is_regular_file(*found, error)) {
            Report(value.line, shown + " is not in the source folder");
            return false;
        }
        PictureFacts facts;
        std::string why = ProbePicture(*found, facts);
        if (why.empty())
            why = ReadUprightPicture(*found, facts, cover, picture);
        if (!why.empty()) {
            Report(value.line, shown + " cannot be read: " + why);
            return false;
        }
        return true;
    }

    // The museum's own logo drawing, fitted into the main window's logo box.
    void LogoPicture(const SourceValue& value) {
        const PageFile page{PageKind::Logo, 0};
        if (!Claim(page, value.line))
            return;
        const PageSize box = PageBox(page);
        QImage picture;
        if (ReadSourcePicture(value, {box.width, box.height}, picture))
            plan_.pages.push_back({page, PageJpeg(FitOwnLogo(picture)), {}});
    }

    // The emblem with the collection's name, unless the logo comes from a picture.
    void Logo(const SourceValue& collection) {
        const PageFile page{PageKind::Logo, 0};
        if (collection.line == 0 || Claimed(page) || !CollectionReadable(collection))
            return;
        claimed_[PageFileName(page)] = collection.line;
        try {
            plan_.pages.push_back({page, PageJpeg(PaintOwnLogo(Q(collection.text))), {}});
        } catch (const std::runtime_error& failure) {
            Report(collection.line,
                   std::string(failure.what()) + "; shorten it, or give a \"logo picture:\"");
        }
    }

    void DescriptionLink(const SourceValue& caption) {
        const PageFile page{PageKind::DescriptionLink, 0};
        if (caption.line == 0 || !Claim(page, caption.line) ||
            !Checked(caption.text, caption.line, "the description link", Face::Italic))
            return;
        if (QString::fromStdString(caption.text).trimmed().isEmpty()) {
            Report(caption.line, "the description link is empty: it is what visitors click");
            return;
        }
        try {
            plan_.pages.push_back({page, PageJpeg(PaintOwnDescriptionLink(Q(caption.text))), {}});
        } catch (const std::runtime_error& failure) {
            Report(caption.line, failure.what());
        }
    }

    void About(const SourceParagraphs& credits) {
        if (credits.line == 0)
            return;
        const PageFile page{PageKind::About, 0};
        if (!Claim(page, credits.line) ||
            !Checked(credits.paragraphs, credits.line, "the credits text"))
            return;
        if (credits.paragraphs.empty()) {
            Report(credits.line, "the credits are empty");
            return;
        }
        try {
            plan_.pages.push_back({page, PageJpeg(PaintOwnAbout(Q(credits.paragraphs))), {}});
        } catch (const std::runtime_error& failure) {
            Report(credits.line, failure.what());
        }
    }

    void Report(int line, std::string message) { problems_.push_back({line, std::move(message)}); }

    std::string folder_;
    std::vector<Problem>& problems_;
    PagesPlan plan_;
    std::map<std::string, int> claimed_; // page file name, the line that makes it
    QRawFont fonts_[2];                  // regular, italic
    std::optional<bool> collectionReadable_;
};

} // namespace

PagesPlan PlanPages(const std::string& sourceFolder, const ParsedSource& parsed,
                    const std::vector<CatalogueEntry>& entries, std::vector<Problem>& problems) {
    return PagePlanner(sourceFolder, problems).Plan(parsed, entries);
}

std::string PagesSummary(const PagesPlan& plan) {
    int descriptions = 0;
    std::vector<std::string> parts;
    for (const PageJob& job : plan.pages) {
        if (job.page.kind == PageKind::Description)
            ++descriptions;
        else
            parts.push_back(PageFileName(job.page).substr(0, PageFileName(job.page).size() - 4));
    }
    if (descriptions > 0)
        parts.insert(parts.begin(), std::to_string(descriptions) +
                                        (descriptions == 1 ? " description" : " descriptions"));
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : ", ") + part;
    return out;
}
