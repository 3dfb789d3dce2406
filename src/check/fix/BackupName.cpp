#include "BackupName.h"

std::string BackupNameFor(const std::string& path, bool (*taken)(const std::string& name)) {
  constexpr int mostTries = 999;
  for (int number = 1; number <= mostTries; ++number) {
    const std::string name = path + (number == 1 ? "" : "." + std::to_string(number)) + ".bak";
    if (!taken(name)) return name;
  }
  return {};
}
