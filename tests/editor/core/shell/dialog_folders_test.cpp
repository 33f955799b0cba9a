// Each kind of file dialog opens in its own folder: a texture loaded from
// another folder does not move where projects are saved or opened.
#include "editor/core/shell/dialog_folders.hpp"
#include "editor/core/shell/file_filters.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;

namespace {

// Answers each dialog with `answer` and records where it opened.
struct Answering : FileDialogs {
    std::string answer, openedIn; // folder, then " " and the proposed file
    std::optional<std::string> openFile(const FileDialogRequest& r) override {
        openedIn = r.folder + " " + r.presetPath;
        return answer;
    }
    std::optional<std::string> saveFile(const FileDialogRequest& r) override { return openFile(r); }
    std::optional<std::string> chooseFolder(const std::string&) override { return {}; }
    std::optional<Colour> chooseColour(Colour) override { return {}; }
};

} // namespace

TEST(DialogFolders, EachKindOfDialogKeepsItsOwnFolder) {
    Answering inner;
    std::string project = NoProjectFile;
    FolderKeepingDialogs dialogs(inner, [&project] { return project; });
    FileDialogRequest missing = openRequest("", BitmapOpenFilter);
    missing.presetPath = "/no/such/folder/gone.bmp";
    struct Step {
        const char* what;
        FileDialogRequest request;
        std::string answer, project, opensIn;
    };
    const Step steps[] = {
        {"open a project", openRequest("", ProjectOpenFilter), "/p/stand.3dp", "/p/stand.3dp", " "},
        {"load a texture", openRequest("", BitmapOpenFilter), "/tex/a.bmp", "", "/p/ "},
        {"save the project as", saveRequest(ProjectSaveFilter, "3dp"), "/q/s.3dp", "/q/s.3dp",
         "/p/ "},
        {"search a missing bitmap", missing, "/tex/gone.bmp", "", "/tex/ gone.bmp"},
        {"import geometry", openRequest("", DxfOpenFilter), "/imp/x.dxf", "", " "},
        {"a new project: open", openRequest("", ProjectOpenFilter), "/r/t.3dp", "None", "/q/ "},
        {"import again", openRequest("", VertexTextOpenFilter), "/imp/y.vtx", "", "/imp/ "},
        {"save the log", saveRequest(LogSaveFilter, "log"), "/l/a.log", "", " "},
    };
    for (const Step& s : steps) {
        inner.answer = s.answer;
        const auto chosen = s.request.defaultExtension.empty() ? dialogs.openFile(s.request)
                                                                : dialogs.saveFile(s.request);
        EXPECT_EQ(inner.openedIn, s.opensIn) << s.what;
        EXPECT_EQ(chosen, s.answer);
        if (!s.project.empty()) project = s.project;
    }
}
