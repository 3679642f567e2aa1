#include "cli/commands.h"

#include "cli/cli_texts.h"

namespace morvane::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"info", "info MODEL.mvd", cli_texts::InfoHelp, RunInfo},
      {"check", "check MODEL.mvd", cli_texts::CheckHelp, RunCheck},
      {"render", "render MODEL.mvd -o OUT.(png|jpg|bmp|gif|svg) [--position P] [--area X,Y,W,H] [--size WxH]",
       cli_texts::RenderHelp, RunRender},
      {"export", "export MODEL.mvd -o OUT.(jpg|bmp|gif|svg) [--area X,Y,W,H] [--position P] [--size 120x90]",
       cli_texts::ExportHelp, RunExport},
      {"series", "series MODEL.mvd -o SHEET.(jpg|bmp|gif) [--area X,Y,W,H]", cli_texts::SeriesHelp, RunSeries},
      {"print", "print MODEL.mvd -o OUT.pdf [--series] [--area X,Y,W,H]", cli_texts::PrintHelp, RunPrint},
      {"movie", "movie MODEL.mvd -o OUT.(mpg|avi|gif) [--size 320x240|640x480|120x90] [--area X,Y,W,H]",
       cli_texts::MovieHelp, RunMovie},
      {"trace", "trace MODEL.mvd [--from P] [--to P] [--step N] [--format csv|jsonl] [--pens-only] [--derivatives]",
       cli_texts::TraceHelp, RunTrace},
      {"drive", "drive MODEL.mvd --to P [--step N] -o OUT.mvd", cli_texts::DriveHelp, RunDrive},
      {"analyze", "analyze MODEL.mvd [--step N] [--format text|json]", cli_texts::AnalyzeHelp, RunAnalyze},
  };
  return commands;
}

}  // namespace morvane::cli
