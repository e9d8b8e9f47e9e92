#include "GameMain.h"

#include "MyFrame.h"
#include "lang/Exception.h"
#include "lang/FileSearch.h"
#include "lang/ResourceFile.h"
#include "window/Platform.h"

namespace {

const char PackageName[] = "Kipto2.bin";

// The directory that holds a file, without the last "/".
lang::String directoryOf(const lang::String& path)
{
    const int32_t slash = path.lastIndexOf('/');
    return slash < 0 ? lang::String() : path.substring(0, slash);
}

} // namespace

int gameMain(const StartOptions& options)
{
    // Searched once: the package opens by the path found (an empty one fails to open).
    const lang::String packagePath = lang::findFile(PackageName);
    try {
        lang::ResourceFile::add(packagePath);
    } catch (lang::Exception* exception) {
        const lang::String text = lang::String("The game's data file ") + PackageName
            + " was not found beside the program, in the current directory or in the data directory, or it "
              "cannot be read (" + exception->getMessage() + ").";
        exception->release();
        window::platform::showMessageBox("Kipto2", text.c_str());
        return 1;
    }
    int exitCode = 1;
    {
        lang::Ref<MyFrame> frame = lang::adopt(new MyFrame);
        // Disk files of the data (loading picture, image bundles) lie beside the package.
        frame->setBaseDir(directoryOf(packagePath));
        frame->setCrashTest(options.crashTest);
        // A frame that cannot be made has said why.
        if (frame->create(nullptr, util::RectangleNM(0, 0, MyFrame::Width, MyFrame::Height)))
            exitCode = window::platform::runMessageLoop();
        if (frame->hasLoadFailed())
            window::platform::showMessageBox("Kipto2", "The game's data could not be loaded.");
    }
    window::platform::shutdown();
    lang::ResourceFile::closeAll();
    return exitCode;
}
