#include "app/errorreport.h"

#include "app/application.h"
#include "core/cp1250.h"
#include "core/errors.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <new>

namespace {
ReportSink& Sink() {
    static ReportSink sink;
    return sink;
}

void Show(const std::string& message) {
    const std::string text = Cp1250ToUtf8(ReportText(message));
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
    } catch (const std::exception& failure) {
        Show(failure.what());
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
