#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor_process.h"
#include "resource.h"

namespace {

// The 64-bit program beside the tests and the 32-bit release of the same build.
std::vector<std::string> Programs()
{
    std::string program = EditorProcess::ProgramPath();
    std::string bin = program.substr(0, program.find_last_of("\\/"));
    std::string build = bin.substr(0, bin.find_last_of("\\/"));
    build = build.substr(0, build.find_last_of("\\/"));
    return {program, build + "\\win32\\bin\\skyvarn-config.exe"};
}

std::string Manifest(HMODULE module)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    if (!resource)
        return std::string();
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
    return std::string(bytes, SizeofResource(module, resource));
}

std::string VersionString(const std::string& program, const char* name)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
    std::vector<char> data(size);
    if (!size || !GetFileVersionInfoA(program.c_str(), 0, size, data.data()))
        return std::string();
    char* value = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return std::string();
    return value;
}

TEST(Release, CarriesItsManifestVersionAndIcon)
{
    for (const std::string& program : Programs()) {
        HMODULE module = LoadLibraryExA(program.c_str(), nullptr,
                                        LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << program;
        std::string manifest = Manifest(module);
        for (const char* needed : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "asInvoker",
                                   "<dpiAware", "system</dpiAwareness>", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
            EXPECT_NE(manifest.find(needed), std::string::npos) << program << " lacks " << needed;
        EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(IDI_APP), MAKEINTRESOURCEA(14)), nullptr) << program;
        FreeLibrary(module);

        EXPECT_EQ(VersionString(program, "ProductName"), "Skyvarn Arena Server Configuration") << program;
        EXPECT_EQ(VersionString(program, "FileVersion"), "1.0.0.0") << program;
        EXPECT_FALSE(VersionString(program, "FileDescription").empty()) << program;
    }
}

}  // namespace
