#pragma once
#include <pugixml.hpp>

#include "image/ImageRecords.h"

// The reading steps of the compiler, one per project file section. Each takes a loaded document
// and fills its part of the records; missing elements and attributes take their fall-backs.

// Device words from DALI_Access.xml.
void Compile_Devices(const pugi::xml_document &doc, Image_Records &image);
// Enabled rules from DALI2_Access.xml, with the rule count and the internal data length.
void Compile_Rules(const pugi::xml_document &doc, Image_Records &image);
// Function entries 1.. from DALI2_Access.xml; `separator` is the user's decimal separator.
void Compile_Functions(const pugi::xml_document &doc, char separator, Image_Records &image);
// Parameter fields from ParGen.xml, and the version text.
void Compile_Parameters(const pugi::xml_document &doc, Image_Records &image);
