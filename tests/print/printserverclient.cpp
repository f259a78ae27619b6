#include "tests/print/printserverclient.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {
QString Run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(60000);
    if (exitCode)
        *exitCode =
            finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll());
}
QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
} // namespace

PrintServerClient::PrintServerClient()
    : dir_(qEnvironmentVariable("VENDRAL_PRINT_SERVER_DIR").toStdString()),
      script_(qEnvironmentVariable("VENDRAL_PRINT_SERVER_SCRIPT").toStdString()) {
    std::ifstream(dir_ / "queue") >> queue_;
}

std::string PrintServerClient::CheckIsPrivate() const {
    const std::filesystem::path socket = dir_ / "run" / "cups.sock";
    if (dir_.empty() || qEnvironmentVariable("CUPS_SERVER").toStdString() != socket.string())
        return "CUPS_SERVER is not the private server's socket " + socket.string();
    if (!std::filesystem::exists(socket) || queue_.empty())
        return "the private print server is not running in " + dir_.string();
    const std::string name = QPrinterInfo::defaultPrinter().printerName().toStdString();
    return name == queue_ ? std::string() : "the default printer is \"" + name + "\"";
}

void PrintServerClient::SetState(const char* state) const {
    int exitCode = 0;
    const QString output = Run("sh", {Path(script_), "state", Path(dir_), state}, &exitCode);
    if (exitCode != 0)
        throw std::runtime_error("printserver.sh state failed: " + output.toStdString());
}

int PrintServerClient::JobCount() const {
    return int(Run("lpstat", {"-W", "all", "-o"}).split('\n', Qt::SkipEmptyParts).size());
}

std::set<std::filesystem::path> PrintServerClient::Pdfs() const {
    std::set<std::filesystem::path> pdfs;
    for (const auto& entry : std::filesystem::directory_iterator(dir_ / "pdf"))
        pdfs.insert(entry.path());
    return pdfs;
}

std::optional<PageImage>
PrintServerClient::ReadNewSheet(const std::set<std::filesystem::path>& before) const {
    std::filesystem::path pdf;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (pdf.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        if (!Run("lpstat", {"-W", "not-completed", "-o"}).trimmed().isEmpty())
            continue;
        for (const std::filesystem::path& file : Pdfs()) {
            struct stat status {};
            // cups-pdf keeps the file it is still writing at mode 000.
            if (!before.count(file) && ::stat(file.c_str(), &status) == 0 &&
                (status.st_mode & S_IRUSR) && status.st_size > 0)
                pdf = file;
        }
    }
    if (pdf.empty()) {
        ADD_FAILURE() << "no PDF arrived from the printer";
        return std::nullopt;
    }
    EXPECT_TRUE(Run("pdfinfo", {Path(pdf)}).contains(QRegularExpression("Pages: +1\n")))
        << "not a single page: " << pdf;
    QTemporaryDir folder;
    Run("pdftoppm", {"-r", "254", "-singlefile", "-png", Path(pdf), folder.filePath("page")});
    const QImage sheet(folder.filePath("page.png"));
    EXPECT_NEAR(sheet.width(), 2100, 2) << "not A4 portrait";
    EXPECT_NEAR(sheet.height(), 2970, 2) << "not A4 portrait";
    if (sheet.isNull())
        return std::nullopt;
    return PageImage(sheet, 10);
}
