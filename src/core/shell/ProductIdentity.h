#pragma once
#include <string>

// Which product this configurator serves. Every window reads these; none changes them.
inline constexpr const char *Product_SW_Code = "CF20431";
inline constexpr const char *Product_Desc = "DALI / Modbus Slave - Converter";
inline constexpr const char *Update_SW_Code = "CF20431";
inline constexpr const char *Product_Window_Title =
    "Norvik - Configurator CF20431 - DALI / Modbus Slave ";
inline constexpr const char *Current_Version = "1.401";
inline constexpr const char *Manual_Code = "UM20431";

// The maker's web site. A reserved name until the real address is known, so nothing ever reaches
// a stranger's server.
inline constexpr const char *Maker_Web_Host = "www.norvik.example";

// The maker's home page, as the main window's link and the About window open it.
inline std::string Maker_Home_Page() {
  return std::string("http://") + Maker_Web_Host + "/HOME/default.asp?frompg=" + Update_SW_Code;
}
