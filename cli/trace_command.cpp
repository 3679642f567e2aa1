// morvane-cli trace: the positions of every pin and pen along a run of
// forward automatic rotation, one record per step, for spreadsheets (csv) or
// programs (jsonl); with --pens-only the loci alone, as a drawing program or
// a plotter takes them.

#include <algorithm>

#include "cli/argument_reader.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/trace_rows.h"
#include "cli/turning.h"
#include "solver/auto_rotation.h"

namespace morvane::cli {

namespace {

struct TraceRequest {
  std::string Path;
  std::optional<int32_t> From;
  std::optional<int32_t> To;
  std::optional<int32_t> Step;
  bool Json = false;
  bool PensOnly = false;
  bool Derivatives = false;
};

// A bad format is told before a bad step, and a bad step before a bad
// position.
std::optional<TraceRequest> ParseRequest(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("trace"), args, context, {"--from", "--to", "--step", "--format"},
                        {"--pens-only", "--derivatives"});
  TraceRequest request;
  request.Path = reader.Model();
  request.PensOnly = reader.Flag("--pens-only");
  request.Derivatives = reader.Flag("--derivatives");
  const std::string format = reader.Text("--format").value_or("csv");
  request.Json = format == "jsonl";
  reader.Check(request.Json || format == "csv", cli_texts::BadFormat);
  request.Step = reader.Value("--step", ParseStep, cli_texts::BadStep);
  request.From = reader.Value("--from", ParsePosition, cli_texts::BadPosition);
  request.To = reader.Value("--to", ParsePosition, cli_texts::BadPosition);
  return reader.Ok() ? std::optional(request) : std::nullopt;
}

// Track units from `from` to `to` going forward: through the end of the bar
// when `to` lies behind, two full turns when no end is given.
int32_t Distance(int32_t from, std::optional<int32_t> to) {
  if (!to) {
    return kTrackMax;
  }
  return *to >= from ? *to - from : *to + kTrackMax - from;
}

class TraceOutput {
 public:
  TraceOutput(const ModelState& model, const TraceRequest& request, std::ostream& out)
      : columns_(ColumnsOf(model, request.Derivatives)), json_(request.Json), pensOnly_(request.PensOnly), out_(out) {
    if (pensOnly_) {
      columns_.Pins.clear();
    }
    if (!json_) {
      WriteCsvHeader(columns_, out_);
    }
  }

  void Row(const ModelState& model, const PenLoci& loci) {
    if (json_ && pensOnly_) {
      WriteJsonPens(columns_, loci, model, out_);
    } else if (json_) {
      WriteJsonRow(model, columns_.Derivatives, out_);
    } else {
      WriteCsvRow(columns_, model, loci, out_);
    }
  }

 private:
  TraceColumns columns_;
  bool json_;
  bool pensOnly_;
  std::ostream& out_;
};

}  // namespace

int RunTrace(const std::vector<std::string>& args, CliContext& context) {
  const auto request = ParseRequest(args, context);
  if (!request) {
    return kExitUsage;
  }
  const auto session = OpenSession(request->Path, context);
  if (!session) {
    return kExitBadModel;
  }
  const ModelState& model = session->Model();
  const int32_t step = request->Step.value_or(DefaultStep(model.AngleStep));
  session->SetAngleStep(step);
  TraceOutput output(model, *request, context.Out);

  const int32_t from = request->From.value_or(model.PowerPosition);
  if (const DriveResult reached = TurnStraightTo(*session, from, step); reached.Status != DriveStatus::Moved) {
    return ReportUntakenStep(reached, context);
  }
  session->MarkPens();
  output.Row(model, session->Loci());
  for (int32_t left = Distance(from, request->To); left > 0;) {
    const int32_t at = model.PowerPosition;
    const int32_t next = NextAutoPosition(at, std::min(step, left), Rotation::Forward);
    if (const DriveResult result = session->DriveTo(next); result.Status != DriveStatus::Moved) {
      return ReportUntakenStep(result, context);
    }
    left -= (next - at + kTrackMax) % kTrackMax;
    output.Row(model, session->Loci());
  }
  return kExitOk;
}

}  // namespace morvane::cli
