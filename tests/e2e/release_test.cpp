#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "editor.h"

namespace {

// The package's folder, unpacked by the test run (which checks what it holds): its name and the check's
// --version (which reads the version resource both programs share) say one version; both programs start from
// there and work on a folder of their own.
TEST(Release, ThePackagedProgramsStartFromTheUnpackedFolderAndSayOneVersion)
{
    const char* folder = std::getenv("SKYVARN_PACKAGE");
    if (!folder)
        GTEST_SKIP() << "SKYVARN_PACKAGE names no unpacked package (CTest's release.package makes one)";
    const std::string name = std::string(folder).substr(std::string(folder).rfind('\\') + 1);   // skyvarn-config-VERSION-winNN
    const std::string version = name.substr(15, name.rfind('-') - 15);

    // The programs beside the tests are the packaged ones from here on.
    SetEnvironmentVariableA("SKYVARN_EDITOR", (std::string(folder) + "\\skyvarn-config.exe").c_str());
    ScratchDirectory directory("release-package");
    EXPECT_FALSE(Editor::BuildOnce(directory).empty());
    for (const auto& [arguments, status, said] : {std::tuple(" --version", 0, "skyvarn-check " + version + "\n"),
                                                   {" --set maxPlayers=12 --build", 1, ""}, {"", 0, ""}}) {
        const ProgramRun check = RunProgram("skyvarn-check.exe", arguments, directory.Path().c_str());
        EXPECT_EQ(check.status, status) << arguments << ": " << check.err;
        EXPECT_EQ(said.empty() ? "" : check.out, said) << arguments;
    }
    SetEnvironmentVariableA("SKYVARN_EDITOR", nullptr);
    EXPECT_NE(directory.ReadSettings().find("\r\nmaxPlayers=12\r\n"), std::string::npos);
}

}  // namespace
