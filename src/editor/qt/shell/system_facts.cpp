#include "editor/qt/shell/system_facts.hpp"

#include "editor/core/shell/system_probes.hpp"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QSysInfo>
#include <QWidget>

#include <algorithm>

namespace meshsmith {
namespace {

std::string textOf(QOpenGLFunctions& gl, GLenum name) {
    const GLubyte* text = gl.glGetString(name);
    return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

// Reads the strings of `context`, which is current.
OpenGlStrings stringsOfCurrent(QOpenGLContext& context) {
    QOpenGLFunctions& gl = *context.functions();
    OpenGlStrings strings{
        textOf(gl, GL_RENDERER), textOf(gl, GL_VENDOR), textOf(gl, GL_VERSION), {}};
    for (const QByteArray& extension : context.extensions())
        strings.extensions.push_back(extension.toStdString());
    std::sort(strings.extensions.begin(), strings.extensions.end());
    return strings;
}

QOpenGLWidget* openGlWidgetOf(QWidget* view) {
    if (!view) return nullptr;
    if (auto* gl = qobject_cast<QOpenGLWidget*>(view)) return gl;
    return view->findChild<QOpenGLWidget*>();
}

// Makes the context that was current when it was made current again when it goes.
class CurrentContextKeeper {
  public:
    CurrentContextKeeper() : context_(QOpenGLContext::currentContext()) {
        if (context_) surface_ = context_->surface();
    }
    ~CurrentContextKeeper() {
        if (context_ && surface_) context_->makeCurrent(surface_);
    }
    CurrentContextKeeper(const CurrentContextKeeper&) = delete;
    CurrentContextKeeper& operator=(const CurrentContextKeeper&) = delete;

  private:
    QOpenGLContext* context_ = nullptr;
    QSurface* surface_ = nullptr;
};

std::optional<OpenGlStrings> stringsOfWidget(QOpenGLWidget& widget) {
    QOpenGLContext* context = widget.context();
    if (!context || !context->isValid()) return std::nullopt;
    widget.makeCurrent();
    if (QOpenGLContext::currentContext() != context) return std::nullopt;
    OpenGlStrings strings = stringsOfCurrent(*context);
    widget.doneCurrent();
    return strings;
}

std::optional<OpenGlStrings> stringsOfTemporaryContext() {
    QOpenGLContext context;
    context.setFormat(QSurfaceFormat::defaultFormat());
    if (!context.create()) return std::nullopt;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) return std::nullopt;
    OpenGlStrings strings = stringsOfCurrent(context);
    context.doneCurrent();
    return strings;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::optional<OpenGlStrings> queryOpenGlStrings(QWidget* view) {
    // Contexts need the GUI application; a plain QCoreApplication (or none) has no window system.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
    CurrentContextKeeper keeper;
    if (QOpenGLWidget* widget = openGlWidgetOf(view))
        if (auto strings = stringsOfWidget(*widget)) return strings;
    return stringsOfTemporaryContext();
}

SystemFacts gatherSystemFacts(QWidget* view) {
    SystemFacts facts;
    facts.osName = QSysInfo::prettyProductName().toStdString();
    facts.osVersion = QSysInfo::kernelVersion().toStdString();
    facts.processor = QSysInfo::currentCpuArchitecture().toStdString();
    facts.memory = readMemoryStatus();
    if (view)
        facts.viewSize = ViewSize{view->contentsRect().width(), view->contentsRect().height()};
    facts.openGl = queryOpenGlStrings(view);
    facts.openGlLibraryName = joined(openGlLibraryNames());
    facts.openGlLibraries = loadedLibraries(openGlLibraryNames());
    facts.gluLibraryName = joined(gluLibraryNames());
    facts.gluLibraries = loadedLibraries(gluLibraryNames());
    return facts;
}

} // namespace meshsmith
