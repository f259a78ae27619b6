#include "shell/errorreport.h"

#include "core/cp1250.h"
#include "core/errors.h"
#include "core/files.h"
#include "shell/applicationtitle.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <new>

namespace {
ReportSink& Sink() {
    static ReportSink sink;
    return sink;
}

// Each piece from what it is: the catalogue's code page 1250 or the system's own encoding.
std::string Utf8Text(const Exception& failure) {
    std::string text;
    for (const MessagePart& part : failure.Parts()) {
        const std::string bytes = part.path ? files::NativePath(part.bytes) : part.bytes;
        text += part.encoding == TextEncoding::Cp1250
                    ? Cp1250ToUtf8(bytes)
                    : QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()))
                          .toStdString();
    }
    return text;
}

// utf8Message: the message, already in UTF-8. The period rule reads the same there: an
// accented last letter is a byte above "." in either encoding.
void Show(const std::string& utf8Message) {
    const std::string text = ReportText(utf8Message);
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
}
} // namespace

void ErrorReport(std::exception_ptr error) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::bad_alloc&) {
        // An allocation failed that no bound foresaw; what it was for is abandoned.
        Show(EOutOfMemory().Message());
    } catch (const Exception& failure) {
        Show(Utf8Text(failure));
    } catch (const std::exception& failure) {
        Show(Cp1250ToUtf8(failure.what()));
    } catch (...) {
        Show("Unknown failure");
    }
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        ErrorReport(std::current_exception());
    }
}

void ReportLater(std::exception_ptr error) {
    QTimer::singleShot(0, [error] { ErrorReport(error); });
}

void SetReportSink(ReportSink sink) {
    Sink() = std::move(sink);
}
