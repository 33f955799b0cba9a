#pragma once
// The converter 3DO-Kiln as a child process of the editor: started without a
// console window, its output handed over line by line as it comes, its end
// reported once through a callback. The editor's event loop keeps running
// meanwhile, so the window stays responsive; nothing here blocks except stop().

#include "editor/core/shell/conversion_report.hpp"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <string>

class QProcess;

namespace meshsmith {

class ConverterProcess : public QObject {
    Q_OBJECT
  public:
    using LineHandler = std::function<void(const std::string&)>;
    using EndHandler = std::function<void(const ConverterEnd&)>;

    explicit ConverterProcess(QObject* parent = nullptr);
    ~ConverterProcess() override; // a running converter is stopped

    bool running() const { return process_ != nullptr; }

    // Starts `program` with the ASE path and the output path as its two
    // arguments (no shell: blanks in paths need no quoting). Every line of its
    // standard output and error goes to `onLine` (line ends removed), then
    // `onEnd` is called once, also when it could not be started. Refused
    // (false, nothing started) while a converter is still running.
    bool start(const std::string& program, const std::string& asePath, const std::string& outPath,
               LineHandler onLine, EndHandler onEnd);

    // Ends a running converter and waits until it is gone, so no process is
    // left behind; its end handler is not called. Does nothing when none runs.
    void stop();

  private:
    void readOutput(bool flushPartialLine);
    void end(const ConverterEnd& how);

    QProcess* process_ = nullptr;
    QByteArray pending_;
    LineHandler onLine_;
    EndHandler onEnd_;
};

} // namespace meshsmith
