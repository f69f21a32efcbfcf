#pragma once

class MessageTable;
struct Workspace;

// Empties the table and fills all 2800 entries with the built-in English texts.
void Build_Default_Messages(MessageTable &table);

// The built-in texts, then the language file named by Language_Name. A missing file falls back
// to English (Language_Name becomes "English") and to English.lng or the built-in texts.
void Load_Language(Workspace &workspace);
