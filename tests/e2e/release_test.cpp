#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor.h"
#include "resource.h"

namespace {

TEST(Release, BothBuildsCarryTheirManifestVersionAndIcon)
{
    const std::string program = Editor::ProgramPath();
    const std::string release32 = program.substr(0, program.rfind("\\win64\\")) + "\\win32\\bin\\skyvarn-config.exe";
    for (const std::string& path : {program, release32}) {
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << path;
        HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        ASSERT_NE(resource, nullptr) << path << " has no manifest";
        const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, resource))),
                                   SizeofResource(module, resource));
        for (const char* needed : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "asInvoker",
                                   "true</dpiAware>", "system</dpiAwareness>", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
            EXPECT_NE(manifest.find(needed), std::string::npos) << path << " lacks " << needed;
        EXPECT_TRUE(FindResourceA(module, MAKEINTRESOURCEA(IDI_APP), MAKEINTRESOURCEA(14)) &&
                    FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16))) << path << ": icon, version";
        FreeLibrary(module);
    }
}

}  // namespace
