#pragma once
#include <filesystem>

// Full paths of every file a project may hold. Only the first three are used by this product;
// the rest belong to editors of other gateways of the family.
struct ProjectFiles {
  std::filesystem::path File_ParGen;
  std::filesystem::path File_DALI_Access;
  std::filesystem::path File_DALI2_Access;
  std::filesystem::path File_ModbusTCPM_SetAccess;
  std::filesystem::path File_DMX_Default_Values;
  std::filesystem::path File_BACnet_Master_Access;
  std::filesystem::path File_ModbusM_SetAccess;
  std::filesystem::path File_SNMP_Trap;
  std::filesystem::path File_CAN_Rec_Frames;
  std::filesystem::path File_CAN_Send_Frames;
  std::filesystem::path File_SDO_Server_CANopen;
  std::filesystem::path File_SDO_Client_CANopen;
  std::filesystem::path File_PDO_CANopen;
  std::filesystem::path File_KNX_SetAccess;
  std::filesystem::path File_SNMP_Manager;
};
