#include "printserverclient.h"

#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <sys/stat.h>
#include <thread>

namespace {

struct Output {
    int exitCode = -1;
    QString text;
};

Output Run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

std::filesystem::path FromEnvironment(const char* name) {
    return std::filesystem::path(qEnvironmentVariable(name).toStdString());
}

} // namespace

PrintServerClient::PrintServerClient()
    : dir_(FromEnvironment("VENDRAL_PRINT_SERVER_DIR")),
      script_(FromEnvironment("VENDRAL_PRINT_SERVER_SCRIPT")) {
    std::ifstream(dir_ / "queue") >> queue_;
}

std::string PrintServerClient::CheckIsPrivate() const {
    if (dir_.empty() || script_.empty())
        return "VENDRAL_PRINT_SERVER_DIR or VENDRAL_PRINT_SERVER_SCRIPT is not set";
    const std::filesystem::path socket = dir_ / "run" / "cups.sock";
    if (qEnvironmentVariable("CUPS_SERVER").toStdString() != socket.string())
        return "CUPS_SERVER is not the private server's socket " + socket.string();
    if (!std::filesystem::exists(socket))
        return "the private print server is not running (" + socket.string() + ")";
    if (queue_.empty())
        return "the private print server has no printer";
    const QString name = QPrinterInfo::defaultPrinter().printerName();
    if (name.toStdString() != queue_)
        return "the default printer is \"" + name.toStdString() + "\", not " + queue_;
    return {};
}

void PrintServerClient::SetState(const char* state) const {
    const Output result = Run("sh", {QString::fromStdString(script_.string()), "state",
                                     QString::fromStdString(dir_.string()), state});
    if (result.exitCode != 0)
        throw std::runtime_error("printserver.sh state failed: " + result.text.toStdString());
}

int PrintServerClient::JobCount() const {
    const Output result = Run("lpstat", {"-W", "all", "-o"});
    return int(result.text.split('\n', Qt::SkipEmptyParts).size());
}

std::set<std::filesystem::path> PrintServerClient::Pdfs() const {
    std::set<std::filesystem::path> pdfs;
    for (const auto& entry : std::filesystem::directory_iterator(dir_ / "pdf")) {
        if (entry.path().extension() == ".pdf")
            pdfs.insert(entry.path());
    }
    return pdfs;
}

std::filesystem::path
PrintServerClient::WaitForNewPdf(const std::set<std::filesystem::path>& before,
                                 std::chrono::seconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const bool jobsDone = Run("lpstat", {"-W", "not-completed", "-o"}).text.trimmed().isEmpty();
        for (const std::filesystem::path& pdf : Pdfs()) {
            struct stat status {};
            // cups-pdf keeps a file it is still writing at mode 000.
            if (!before.count(pdf) && jobsDone && ::stat(pdf.c_str(), &status) == 0 &&
                (status.st_mode & S_IRUSR) && status.st_size > 0)
                return pdf;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return {};
}

int PrintServerClient::PageCount(const std::filesystem::path& pdf) {
    const Output result = Run("pdfinfo", {QString::fromStdString(pdf.string())});
    for (const QString& line : result.text.split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

QImage PrintServerClient::RenderFirstPage(const std::filesystem::path& pdf) {
    QTemporaryDir folder;
    const QString prefix = folder.filePath("page");
    Run("pdftoppm", {"-r", "254", "-f", "1", "-l", "1", "-singlefile", "-png",
                     QString::fromStdString(pdf.string()), prefix});
    return QImage(prefix + ".png");
}
