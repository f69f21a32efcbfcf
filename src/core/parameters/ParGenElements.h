#pragma once
#include <cstddef>

#include "parameters/ParameterSet.h"

// The 22 elements of ParGen.xml in the order the file holds them. `visit` is called as
// visit(element name, member, list size); the list size is 0 for everything but the two lists.
// Works on a const or non-const set.
template <class Set, class Visit> void For_Each_ParGen_Element(Set &set, Visit &&visit) {
  static constexpr const char *IP[] = {"MTCPs_IP1", "MTCPs_IP2", "MTCPs_IP3", "MTCPs_IP4"};
  static constexpr const char *SUB[] = {"MTCPs_SUB1", "MTCPs_SUB2", "MTCPs_SUB3", "MTCPs_SUB4"};
  static constexpr const char *GAT[] = {"MTCPs_GAT1", "MTCPs_GAT2", "MTCPs_GAT3", "MTCPs_GAT4"};
  for (std::size_t i = 0; i < 4; ++i)
    visit(IP[i], set.MTCPs_IP[i], 0);
  for (std::size_t i = 0; i < 4; ++i)
    visit(SUB[i], set.MTCPs_SUB[i], 0);
  visit("MTCPs_EN_GAT", set.MTCPs_EN_GAT, 0);
  for (std::size_t i = 0; i < 4; ++i)
    visit(GAT[i], set.MTCPs_GAT[i], 0);
  visit("MODBUS_SLAVE_BAUDRATE", set.MODBUS_SLAVE_BAUDRATE, Baud_Rate_Items.size());
  visit("MODBUS_SLAVE_PARITY", set.MODBUS_SLAVE_PARITY, Parity_Items.size());
  visit("MODBUS_SLAVE_IDDEVICE", set.MODBUS_SLAVE_IDDEVICE, 0);
  visit("MODBUS_SLAVE_DALI_MAP", set.MODBUS_SLAVE_DALI_MAP, 0);
  visit("DALI_CONSOLE_PORT", set.DALI_CONSOLE_PORT, 0);
  visit("DALI_SWITCH_OFF", set.DALI_SWITCH_OFF, 0);
  visit("DALI_TIMEOUT", set.DALI_TIMEOUT, 0);
  visit("DALI_DISABLE_SCAN", set.DALI_DISABLE_SCAN, 0);
  visit("DALI_ENABLE_DALI_2", set.DALI_ENABLE_DALI_2, 0);
}
