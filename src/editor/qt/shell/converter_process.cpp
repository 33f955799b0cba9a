#include "editor/qt/shell/converter_process.hpp"

#include <QProcess>
#include <QString>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace meshsmith {

ConverterProcess::ConverterProcess(QObject* parent) : QObject(parent) {}

ConverterProcess::~ConverterProcess() {
    stop();
}

bool ConverterProcess::start(const std::string& program, const std::string& asePath,
                             const std::string& outPath, LineHandler onLine, EndHandler onEnd) {
    if (running()) return false;
    onLine_ = std::move(onLine);
    onEnd_ = std::move(onEnd);
    pending_.clear();
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_WIN
    process_->setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments* args) { args->flags |= CREATE_NO_WINDOW; });
#endif
    connect(process_, &QProcess::readyReadStandardOutput, this, [this] { readOutput(false); });
    connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            end({false, false, -1, process_->errorString().toStdString()});
    });
    connect(process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        readOutput(true);
        if (status == QProcess::NormalExit)
            end({true, true, code, ""});
        else
            end({true, false, -1, "it crashed or was killed"});
    });
    process_->start(QString::fromStdString(program),
                    {QString::fromStdString(asePath), QString::fromStdString(outPath)});
    // The converter never needs input: an end of file at once keeps it from waiting for any.
    if (process_) process_->closeWriteChannel();
    return true;
}

void ConverterProcess::readOutput(bool flushPartialLine) {
    if (!process_) return;
    pending_ += process_->readAllStandardOutput();
    qsizetype newline;
    while ((newline = pending_.indexOf('\n')) >= 0) {
        QByteArray line = pending_.left(newline);
        pending_.remove(0, newline + 1);
        if (line.endsWith('\r')) line.chop(1);
        if (onLine_) onLine_(line.toStdString());
    }
    // Output without line ends is passed on in pieces rather than kept without limit.
    constexpr qsizetype kLongestLine = 4096;
    if ((flushPartialLine || pending_.size() > kLongestLine) && !pending_.isEmpty()) {
        if (onLine_) onLine_(pending_.toStdString());
        pending_.clear();
    }
}

void ConverterProcess::end(const ConverterEnd& how) {
    QProcess* finished = process_;
    process_ = nullptr;
    finished->disconnect(this);
    finished->deleteLater();
    EndHandler onEnd = std::move(onEnd_);
    onLine_ = nullptr;
    if (onEnd) onEnd(how);
}

void ConverterProcess::stop() {
    if (!process_) return;
    QProcess* child = process_;
    process_ = nullptr;
    child->disconnect(this);
    child->terminate();
    if (!child->waitForFinished(2000)) {
        child->kill();
        child->waitForFinished(2000);
    }
    delete child;
    onLine_ = nullptr;
    onEnd_ = nullptr;
}

} // namespace meshsmith
