#include "cli/commands.h"

namespace morvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"info", "info MODEL.mvd", {"モデルの部品・ピン・ペン・カウンタを表示する", "print the parts, pins, pens and counters of a model"}, RunInfo},
      {"check", "check MODEL.mvd", {"正常なモデルなら 0、読めない/壊れたモデルなら 2 で終了する",
       "exit 0 for a sound model file, 2 for an unreadable or broken one"}, RunCheck},
  };
  return commands;
}

}  // namespace morvane::cli
