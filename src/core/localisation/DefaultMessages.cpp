#include "localisation/DefaultMessages.h"

// The built-in English texts. Every window takes its texts from the message
// table by number; the indices are grouped in blocks of 100 per window or
// feature. Indices that are not listed here carry a single blank.
static constexpr DefaultMessage kDefaultMessages[] = {
    // Main window
    {0, "Begin"},
    {1, "Step 1"},
    {2, "Step 2"},
    {3, "Step 3"},
    {4, "Step 4"},
    {9, "None Configuration Opened "},
    {10, "Use Step1 to open or create new configuration"},
    {11, "Opened Configuration of the Converter : "},
    {12, "Information"},
    {13, "Options"},
    {14, "Close Configurator"},
    {15, "New Configuration"},
    {16, "Open Configuration"},
    {17, "Update Device UDP"},
    {18, "Error! Project not Valid"},
    {19, "New Version Available. Click Here for more Details"},
    {20, "Set Communication"},
    {21, "DALI Access"},
    {22, "Create a new configuration for the device"},
    {23, "Open an exists configuration"},
    {24, "Set the main parameters of Protocols"},
    {25, "Select the DALI Device Present in the Network"},
    {26, "Update the actual Firmware and/or Configuration in the device"},

    // New Configuration window
    {100, "Create New Configuration"},
    {101, "Create New Configuration"},
    {102, "Name of the new Configuration"},
    {103, "OK"},
    {104, "Cancel"},
    {105, "Error! Name project is not valid"},
    {106, "Error! Name project is not valid because directory already exists"},
    {107, "Error! Name Project is not valid"},
    {108, "Insert here the name of new configuration"},
    {109, "Confirm the Name of new Configuration"},
    {110, "Cancel the New Configuration"},

    // Open Configuration window
    {200, "Open Configuration"},
    {201, "Open an Existing Configuration"},
    {202, "List of Avaliable Configurations"},
    {203, "OK"},
    {204, "Cancel"},
    {205, "Select from this list the configuration to open"},
    {206, "Open the Selected Configuration"},
    {207, "Cancel open of Configuration"},

    // Software Options window
    {300, "Software Options"},
    {301, "Software Options"},
    {302, "Language"},
    {303, "Connection Options"},
    {304, "Selected Language : "},
    {305, "Page "},
    {306, " / "},
    {307, "Previous"},
    {308, "Next"},
    {309, "Enable Internet Connection"},
    {310, "Check Software Update at Start of Program"},
    {311, "Check Available Update"},
    {312, "OK"},
    {313, "Cancel"},
    {314, "New Version Available. Click Here for more Details"},
    {315, "No Update Available"},
    {316, "Do you want to change the Language from "},
    {317, " to "},
    {318, "?"},
    {319, "Software Settings"},
    {320, "Jump into next field in the tables by pressing the Enter Key"},
    {321, "Enable Auto Size of Table Columns by Double Click"},

    // Set Communication window: title, buttons, address labels and hints
    {400, "Set Communication"},
    {401, "Set Communication Setting"},
    {402, "OK"},
    {403, "Cancel"},
    {405, "IP ADDRESS"},
    {406, "SUBNET Mask"},
    {407, "GATEWAY"},
    {409, "Collapse"},
    {410, "Expand"},
    {424, "Do you want to exit without saving changes?"},
    {425, "Confirm and Save the current configuration"},
    {426, "Exit and Discard the current configuration"},
    {427, "Insert first byte of IP Address"},
    {428, "Insert second byte of IP Address"},
    {429, "Insert third byte of IP Address"},
    {430, "Insert fourth byte of IP Address"},
    {431, "Insert first byte of SubNet Mask"},
    {432, "Insert second byte of SubNet Mask"},
    {433, "Insert third byte of SubNet Mask"},
    {434, "Insert fourth byte of SubNet Mask"},
    {435, "Enable/disable the Default Gateway"},
    {436, "Insert first byte of Default Gateway"},
    {437, "Insert second byte of Default Gateway"},
    {438, "Insert third byte of Default Gateway"},
    {439, "Insert fourth byte of Default Gateway"},

    // Set Communication window: DALI section
    {463, " DALI "},
    {464, "DALI Console Port"},
    {465, "Insert the Port to use with software DALI Console"},
    {466, "Error DALI!! DALI Console Port must be between 0 and 65535 and different from 10000"},

    // Set Communication window: Ethernet section and its range checks
    {468, " Ethernet "},
    {469, "Error Ethernet!! IP Address 1 must be between 0 and 255"},
    {470, "Error Ethernet!! IP Address 2 must be between 0 and 255"},
    {471, "Error Ethernet!! IP Address 3 must be between 0 and 255"},
    {472, "Error Ethernet!! IP Address 4 must be between 0 and 255"},
    {473, "Error Ethernet!! SUBNET Mask 1 must be between 0 and 255"},
    {474, "Error Ethernet!! SUBNET Mask 2 must be between 0 and 255"},
    {475, "Error Ethernet!! SUBNET Mask 3 must be between 0 and 255"},
    {476, "Error Ethernet!! SUBNET Mask 4 must be between 0 and 255"},
    {477, "Error Ethernet!! GATEWAY IP 1 must be between 0 and 255"},
    {478, "Error Ethernet!! GATEWAY IP 2 must be between 0 and 255"},
    {479, "Error Ethernet!! GATEWAY IP 3 must be between 0 and 255"},
    {480, "Error Ethernet!! GATEWAY IP 4 must be between 0 and 255"},

    // Set Communication window: DALI switch-off on time-out
    {553, "Switch Off DALI on TimeOut"},
    {554, "TimeOut (ms)"},
    {555, "Enable/disable TimeOut of other BUS communication"},
    {556, "TimeOut in milliseconds"},
    {557, "Error DALI!! TimeOut must be between 0 and 3600000 ms"},

    // Set Communication window: Modbus Slave section
    {580, " Modbus Slave "},
    {581, "Baudrate"},
    {582, "Parity"},
    {583, "ID Device"},
    {584, "Select the Baudrate of Modbus Slave serial"},
    {585, "Select the Parity of Modbus Slave serial"},
    {586, "Insert the ID Device for the Modbus Slave"},
    {587, "Error Modbus Slave!! ID Device must be between 1 and 247"},

    // DALI Access window: title and buttons of the Select Device page
    {600, "DALI Access"},
    {601, "Select the DALI Device Present in the  Network"},
    {602, "OK"},
    {603, "Cancel"},
    {604, "Select All"},
    {605, "Clear All"},
    {606, "Confirm and save the DeviceNet Slaves List"},
    {607, "Exit without save the DeviceNet Slaves List"},
    {608, "Select All DALI Device"},
    {609, "Unselect All DALI Device"},

    // DALI Access window: device names, one per short address
    {610, "DALI ID Device 0"},
    {611, "DALI ID Device 1"},
    {612, "DALI ID Device 2"},
    {613, "DALI ID Device 3"},
    {614, "DALI ID Device 4"},
    {615, "DALI ID Device 5"},
    {616, "DALI ID Device 6"},
    {617, "DALI ID Device 7"},
    {618, "DALI ID Device 8"},
    {619, "DALI ID Device 9"},
    {620, "DALI ID Device 10"},
    {621, "DALI ID Device 11"},
    {622, "DALI ID Device 12"},
    {623, "DALI ID Device 13"},
    {624, "DALI ID Device 14"},
    {625, "DALI ID Device 15"},
    {626, "DALI ID Device 16"},
    {627, "DALI ID Device 17"},
    {628, "DALI ID Device 18"},
    {629, "DALI ID Device 19"},
    {630, "DALI ID Device 20"},
    {631, "DALI ID Device 21"},
    {632, "DALI ID Device 22"},
    {633, "DALI ID Device 23"},
    {634, "DALI ID Device 24"},
    {635, "DALI ID Device 25"},
    {636, "DALI ID Device 26"},
    {637, "DALI ID Device 27"},
    {638, "DALI ID Device 28"},
    {639, "DALI ID Device 29"},
    {640, "DALI ID Device 30"},
    {641, "DALI ID Device 31"},
    {642, "DALI ID Device 32"},
    {643, "DALI ID Device 33"},
    {644, "DALI ID Device 34"},
    {645, "DALI ID Device 35"},
    {646, "DALI ID Device 36"},
    {647, "DALI ID Device 37"},
    {648, "DALI ID Device 38"},
    {649, "DALI ID Device 39"},
    {650, "DALI ID Device 40"},
    {651, "DALI ID Device 41"},
    {652, "DALI ID Device 42"},
    {653, "DALI ID Device 43"},
    {654, "DALI ID Device 44"},
    {655, "DALI ID Device 45"},
    {656, "DALI ID Device 46"},
    {657, "DALI ID Device 47"},
    {658, "DALI ID Device 48"},
    {659, "DALI ID Device 49"},
    {660, "DALI ID Device 50"},
    {661, "DALI ID Device 51"},
    {662, "DALI ID Device 52"},
    {663, "DALI ID Device 53"},
    {664, "DALI ID Device 54"},
    {665, "DALI ID Device 55"},
    {666, "DALI ID Device 56"},
    {667, "DALI ID Device 57"},
    {668, "DALI ID Device 58"},
    {669, "DALI ID Device 59"},
    {670, "DALI ID Device 60"},
    {671, "DALI ID Device 61"},
    {672, "DALI ID Device 62"},
    {673, "DALI ID Device 63"},

    // DALI Access window: device table headers
    {758, "DALI ID Device"},
    {759, "Enable"},
    {762, "Min-Max Value"},
    {763, "Recall Level"},

    // Update window
    {802, "Update Device by Ethernet (UDP)"},
    {803, "Update Device Using the Ethernet Port"},
    {806, "Insert the IP Address of Device"},
    {814, "Select Update Options"},
    {815, "Firmware + Configuration"},
    {816, "Firmware"},
    {817, "Configuration"},
    {818, "Read Back"},
    {819, "Cancel"},
    {820, "Execute Update Firmware"},
    {821, "Insert first byte of IP Address"},
    {822, "Insert second byte of IP Address"},
    {823, "Insert third byte of IP Address"},
    {824, "Insert fourth byte of IP Address"},
    {832, "Select the operation to do in update"},
    {833, "Enable or disable the possibility to read back the Firmware/Configuration"},
    {834, "Exit without to do the Update"},
    {835, "Start the update of Device"},
    {836, "Device Not Found!"},
    {837, "Error!!! Check the Ip Address"},

    // Table row helpers: copy, paste, insert, delete
    {900, "Row Already used. Do you want to overwrite the values?"},
    {901, "Error in the Copy values!!! Copy a valid row before Paste it"},
    {902, "Error!!! Copy a valid row before Paste it"},

    // Set Communication window: Modbus Slave register map
    {1264, "Map each DALI Device in a Register"},
    {1265, "Enable/Disable the possibility to map each DALI Device in a Modbus Register"},

    // Set Communication window: DALI scan and DALI 2 options
    {1290, "Disable DALI Scan"},
    {1291, "Disable the DALI Scan"},
    {1292, "Enable DALI 2"},
    {1293, "Enable the DALI 2 protocol"},

    // DALI Access window: input rules table headers and hints
    {2500, "N"},
    {2501, "Enable"},
    {2502, "Dev/Sen"},
    {2503, "Type"},
    {2504, "Ch. Number"},
    {2505, "Instance"},
    {2507, "Time Send"},
    {2508, "TimeOut"},
    {2509, "Position"},
    {2510, "Command"},
    {2513, "Function"},
    {2514, "Mnemonic"},
    {2515, "Enable/Disable the DALI Rule"},
    {2516, "Select the DALI object, Device or Sensor"},
    {2517, "Select the Type of DALI Device or Sensor"},
    {2518, "Insert the DALI Channel Number, from 0 to 63"},
    {2519, "Instance the DALI Instance, from 0 to 31"},
    {2521, "Insert the Time for DALI request expressed in milliseconds"},
    {2522, "Insert the TimeOut of DALI data"},
    {2523, "Insert the Index of Internal Data Array"},
    {2524, "Insert the DALI Commond, from 0 to 255"},
    {2527, "Insert the Function"},
    {2528, "Insert a description of DALI Rule"},

    // DALI Access window: input rules checks
    {2529, "Set Access - Error Row %d!! The Type selected is not compatible with the Device"},
    {2530, "Set Access - Error Row %d!! The Type selected is not compatible with the Sensor"},
    {2531, "Set Access - Error Row %d!! Channel Number Must be Between 0 and 63"},
    {2532, "Set Access - Error Row %d!! Instance Must be Between 0 and 255"},
    {2533, "Set Access - Error Row %d!! Time Send Must be Between 0 and 100000000 milliseconds"},
    {2534, "Set Access - Error Row %d!! TimeOut Must be Between 0 and 100000000 milliseconds"},
    {2535, "Set Access - Error Row %d!! Position Must be Between 0 and %d"},
    {2536, "Set Access - Error Row %d!! Command Must be Between 0 and 255"},

    // DALI Access window: functions table headers and hints
    {2539, "N"},
    {2540, "Function"},
    {2541, "Condition"},
    {2542, "Event / Value"},
    {2543, "Next Function"},
    {2544, "Mnemonic"},
    {2545, "Select the Function to use"},
    {2546, "Select the Condition to use"},
    {2547, "Select the Event or Insert the Value to use with Condition"},
    {2548, "Insert the Index of Next Function to Execute, 0 if no more Function must be Execute"},
    {2549, "Insert a description of Function"},

    // DALI Access window: functions checks
    {2550, "Functions - Error Row %d!! Condition cannot be empty"},
    {2551, "Functions - Error Row %d!! Value must be a valid float value"},
    {2552, "Functions - Error Row %d!! Next Function must be between 0 and %d"},

    // DALI Access window: input rules function check
    {2553, "Set Access - Error Row %d!! Function Must be between 0 and %d"},

    // DALI Access window: row delete confirmation
    {2554, "Are you sure to delete the Row number %d"},

    // DALI Access window: page captions
    {2555, "Select Device"},
    {2556, "Set Access"},
    {2557, "Functions"},

    // DALI Access window: input rules Num Bytes column
    {2558, "Num Bytes"},
    {2559, "Select the Number of Bytes, only for Sensor"},

    // DALI Access window: functions Channel and Brightness columns
    {2560, "Channel"},
    {2561, "Brightness"},
    {2562, "Select the DALI Channel"},
    {2563, "Insert the DALI Brightness, from 0 to 255"},

    // DALI Access window: functions event and condition checks
    {2564,
     "Function - Error Row %d!! Condition for this Event / Value must be \"When Equal to Value\""},
    {2565, "Function - Error Row %d!! Condition for this Event / Value must be \"NAND Logic with "
           "Value\""},
    {2566,
     "Function - Error Row %d!! Condition for this Event / Value must be \"AND Logic with Value\""},
};

static constexpr bool Strictly_Ascending_In_Range() {
  int previous = -1;
  for (const DefaultMessage &m : kDefaultMessages) {
    if (m.index <= previous || m.index >= 2800) {
      return false;
    }
    previous = m.index;
  }
  return true;
}

static_assert(Strictly_Ascending_In_Range(), "default messages must be ascending and below 2800");

std::span<const DefaultMessage> Default_Message_Texts() {
  return kDefaultMessages;
}
