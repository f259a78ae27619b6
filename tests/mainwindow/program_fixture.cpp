#include "tests/mainwindow/program_fixture.h"

#include "app/windowset.h"
#include "catalogue/catalogue.h"
#include "core/cp1250.h"
#include "mainwindow/tform1.h"
#include "mainwindow/viewstate.h"
#include "pictures/pictures.h"
#include "shell/application.h"
#include "shell/errorreport.h"
#include "skin/skin.h"
#include "skin/tform.h"

#include <QCoreApplication>
#include <QTimer>
#include <fstream>
#include <random>

namespace {
// Closes the splash, the introduction and the no-hits message as soon as they are shown, and
// counts how often each window came up.
class ModalCloser : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show)
            return false;
        const QString name = watched->objectName();
        if (name == QLatin1String("TForm6") || name == QLatin1String("TForm8") ||
            name == QLatin1String("TForm2")) {
            ++ShownCount()[name.toStdString()];
            auto* form = static_cast<TForm*>(watched);
            QTimer::singleShot(0, form, [form] { form->Close(); });
        }
        return false;
    }
};

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
} // namespace

TestEntry EntryWithPictures(const std::string& title, const std::string& stem, int count, int width,
                            int height) {
    TestEntry entry{title, "Hely " + title, "Ido " + title, {}, {}};
    for (int i = 1; i <= count; ++i)
        entry.pictures.push_back({stem + std::to_string(i) + ".jpg", width, height});
    return entry;
}

std::map<std::string, int>& ShownCount() {
    static std::map<std::string, int> counts;
    return counts;
}

ProgramTest::ProgramTest() = default;
ProgramTest::~ProgramTest() = default;

void ProgramTest::SetUp() {
    ShownCount().clear();
    static std::mt19937 random(std::random_device{}());
    previousDirectory_ = std::filesystem::current_path();
    folder_ =
        std::filesystem::temp_directory_path() / ("vendral-program-" + std::to_string(random()));
    std::filesystem::create_directories(folder_ / "images");
    for (const char* face : {"activearrowleft.jpg", "activearrowright.jpg"})
        WriteJpeg(face, 12, 31, ActiveFace);
    for (const char* face : {"inactivearrowleft.jpg", "inactivearrowright.jpg"})
        WriteJpeg(face, 12, 31, InactiveFace);
    WriteJpeg("radioon.jpg", 24, 24, ActiveFace);
    WriteJpeg("radiooff.jpg", 24, 24, InactiveFace);
    SetReportSink([this](const std::string& text) { reports_.push_back(text); });
    View() = ViewState{};
    TheCatalogue() = Catalogue{};
}

void ProgramTest::TearDown() {
    windows_.reset();
    SetReportSink(nullptr);
    std::filesystem::current_path(previousDirectory_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ProgramTest::WriteJpeg(const std::string& relativePath, int width, int height, QColor colour) {
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * 3);
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = std::uint8_t(colour.red());
        pixels[i + 1] = std::uint8_t(colour.green());
        pixels[i + 2] = std::uint8_t(colour.blue());
    }
    WriteBytes(folder_ / relativePath, EncodeJpeg(pixels.data(), width, height, false, 90));
}

void ProgramTest::WriteCatalogue(const std::vector<TestEntry>& entries) {
    std::string text = std::to_string(entries.size()) + "\r\n";
    // The tests write UTF-8; the catalogue is code page 1250.
    auto line = [](const std::string& utf8) { return Utf8ToCp1250(utf8).value() + "\r\n"; };
    for (const TestEntry& entry : entries) {
        text += line(entry.title) + line(entry.line2) + line(entry.line3);
        for (const std::string& indexLine : entry.indexLines)
            text += line(indexLine);
        text += "##\r\n";
        for (const TestEntry::Picture& picture : entry.pictures) {
            text += line(picture.name);
            if (picture.width > 0)
                WriteJpeg("images/" + picture.name, picture.width, picture.height,
                          QColor(90, 140, 60));
        }
        // With one picture this terminator is read as the second picture line.
        text += "##\r\n";
    }
    std::ofstream(folder_ / "datas.dat", std::ios::binary) << text;
}

void ProgramTest::StartProgram() {
    std::filesystem::current_path(folder_);
    static ModalCloser closer;
    QCoreApplication::instance()->installEventFilter(&closer);
    windows_ = std::make_unique<WindowSet>();
    Form(Window::Main)->Show();
    ProcessEvents();
}

void ProgramTest::Start(const std::vector<TestEntry>& entries) {
    WriteCatalogue(entries);
    StartProgram();
}

TForm1& ProgramTest::Main() {
    return static_cast<TForm1&>(*Form(Window::Main));
}

QColor ProgramTest::FaceColour(TImage& image) {
    if (!image.Picture().Graphic())
        return {};
    const QImage pixels = image.Picture().Graphic()->ToImage();
    if (pixels.isNull())
        return {};
    return pixels.pixelColor(pixels.width() / 2, pixels.height() / 2);
}

void ProgramTest::ProcessEvents() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
