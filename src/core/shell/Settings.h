#pragma once
#include <optional>
#include <string>

struct Workspace;

// Reads Sorvane.xml beside the executable into the workspace. Every value falls back to its
// default on its own; a missing or unreadable file gives all defaults.
void Read_Settings(Workspace &workspace);

// The settings document as Save_Setting writes it.
std::string Settings_Document(const Workspace &workspace);

// Writes Sorvane.xml whole from the workspace. Returns the system's reason when it fails; the
// old file then stays as it was.
std::optional<std::string> Save_Setting(const Workspace &workspace);
