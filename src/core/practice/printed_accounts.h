// The accounts the windows print, found by pressing every window: for the list of accounts and
// for completing an account a student types.
#pragma once

#include <string>
#include <vector>

namespace varnello {

// The accounts the windows print, each with the windows that print it (in catalogue order), found
// by pressing every topic window with exercise figures and with simple round figures. Only rows
// with a debit or credit side count: a figure without a side (入账价值) is not an account.
struct PrintedAccount {
  std::string account;
  std::vector<std::string> windows;
};
std::vector<PrintedAccount> PrintedAccounts();

}  // namespace varnello
