#pragma once
// The tests' side of the private print server that the print_server_start test started:
// where it is, its one PDF printer, its states, and the PDF files the printer writes.

#include <QImage>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>

class PrintServerClient {
public:
    // From the test's environment: CUPS_SERVER, VENDRAL_PRINT_SERVER_DIR and
    // VENDRAL_PRINT_SERVER_SCRIPT, as the test list sets them.
    PrintServerClient();

    // Empty when CUPS_SERVER leads to the private server and its printer is the system default
    // seen from here; otherwise why not, and nothing may be printed.
    std::string CheckIsPrivate() const;

    const std::string& Queue() const { return queue_; }
    // "default", "nodefault" or "none" (see printserver.sh).
    void SetState(const char* state) const;

    // Every job the server has taken, finished or not.
    int JobCount() const;
    std::set<std::filesystem::path> Pdfs() const;
    // Waits until the server has no unfinished job and a PDF not in `before` is complete;
    // empty path on timeout.
    std::filesystem::path WaitForNewPdf(const std::set<std::filesystem::path>& before,
                                        std::chrono::seconds timeout) const;

    static int PageCount(const std::filesystem::path& pdf);
    // The first page at 254 dpi: 10 pixels a millimetre.
    static QImage RenderFirstPage(const std::filesystem::path& pdf);

private:
    std::filesystem::path dir_;
    std::filesystem::path script_;
    std::string queue_;
};
