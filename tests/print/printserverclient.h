#pragma once
// The tests' side of the private print server that print_server_start started
// (printserver.sh): its PDF printer, its states, the sheets the printer writes.

#include "tests/print/pagechecks.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>

class PrintServerClient {
public:
    // From the environment the test list sets: CUPS_SERVER, VENDRAL_PRINT_SERVER_DIR and
    // VENDRAL_PRINT_SERVER_SCRIPT.
    PrintServerClient();
    // Empty when CUPS_SERVER leads to the private server and its printer is the default seen
    // from here; otherwise why not, and nothing may be printed.
    std::string CheckIsPrivate() const;
    // "default", "nodefault" or "none"; works on the private server only.
    void SetState(const char* state) const;
    // Every job the server holds, finished or not.
    int JobCount() const;
    // The PDF files the printer has written.
    std::set<std::filesystem::path> Pdfs() const;
    // Waits for the one sheet the print after `before` made, checks it is a single A4 page and
    // renders it at 10 pixels a millimetre; fails the test when none comes.
    std::optional<PageImage> ReadNewSheet(const std::set<std::filesystem::path>& before) const;

private:
    std::filesystem::path dir_, script_;
    std::string queue_;
};
