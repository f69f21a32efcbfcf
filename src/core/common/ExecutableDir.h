#pragma once
#include <filesystem>

// The folder of the running executable; the program keeps its folders and settings beside it.
std::filesystem::path Executable_Dir();
