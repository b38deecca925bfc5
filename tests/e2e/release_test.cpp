#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "editor.h"

namespace {

// "major.minor.patch" of a program's version resource.
std::string ResourceVersion(const std::string& path)
{
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), nullptr));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (data.empty() || !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size))
        return "none";
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) +
           "." + std::to_string(HIWORD(fixed->dwFileVersionLS));
}

// The package's folder, unpacked by the test run (which checks what it holds): its name, both programs'
// version resources and the check's --version say one version; both programs start from there and work on a
// folder of their own.
TEST(Release, ThePackagedProgramsStartFromTheUnpackedFolderAndSayOneVersion)
{
    const char* folder = std::getenv("SKYVARN_PACKAGE");
    if (!folder)
        GTEST_SKIP() << "SKYVARN_PACKAGE names no unpacked package (CTest's release.package makes one)";
    const std::string editor = std::string(folder) + "\\skyvarn-config.exe";
    const std::string version = ResourceVersion(editor);
    EXPECT_EQ(ResourceVersion(std::string(folder) + "\\skyvarn-check.exe"), version);
    const std::string name = std::string(folder).substr(std::string(folder).rfind('\\') + 1);
    EXPECT_TRUE(name == "skyvarn-config-" + version + "-win32" || name == "skyvarn-config-" + version + "-win64")
        << name;

    // The programs beside the tests are the packaged ones from here on.
    SetEnvironmentVariableA("SKYVARN_EDITOR", editor.c_str());
    ScratchDirectory directory("release-package");
    std::vector<std::string> boxes;
    EXPECT_FALSE(Editor::BuildOnce(directory, &boxes).empty());
    EXPECT_TRUE(boxes.empty());
    for (const auto& [arguments, status, said] : {std::tuple(" --version", 0, "skyvarn-check " + version + "\n"),
                                                   {" --set maxPlayers=12 --build", 1, ""}, {"", 0, ""}}) {
        const ProgramRun check = RunProgram("skyvarn-check.exe", arguments, directory.Path().c_str());
        EXPECT_EQ(check.status, status) << arguments << ": " << check.err;
        if (!said.empty()) {
            EXPECT_EQ(check.out, said);
        }
    }
    SetEnvironmentVariableA("SKYVARN_EDITOR", nullptr);
    EXPECT_NE(directory.ReadSettings().find("\r\nmaxPlayers=12\r\n"), std::string::npos);
}

}  // namespace
