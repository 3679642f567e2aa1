#pragma once

// The owner of one document: everything a run of the program holds (the
// model tables, the edit history, the pen loci, the progress log, the solver,
// the names of the last file, the language) and every operation the windows,
// the exports and the command-line tool perform on it. Operations never show
// anything; they return what the user is to be told, in the session's
// language, and the caller shows it and redraws.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/document_names.h"
#include "model/edit_history.h"
#include "model/message.h"
#include "model/model_state.h"
#include "session/canvas_drag.h"
#include "session/part_properties.h"
#include "session/popup_edits.h"
#include "solver/auto_rotation.h"
#include "solver/drive.h"
#include "solver/move_solver.h"
#include "solver/pen_locus.h"
#include "solver/progress_log.h"

namespace morvane {

// A text for the user: a plain message box, or the warning dialog that the
// popup menu's refusals use.
struct Notice {
  enum class Style { Plain, Warning };
  Style Kind = Style::Plain;
  std::string Text;

  bool operator==(const Notice&) const = default;
};
using Reply = std::optional<Notice>;

// The mechanism as it stood before an export turned it, to be put back after.
struct TurnBack {
  Table Parts{};
  int32_t PowerPosition = 0;
  int32_t TrackPosition = 0;
  int32_t AngleStep = 0;
};

class Session {
 public:
  explicit Session(Language language = Language::English);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // What the windows read and draw.
  Language UiLanguage() const { return language_; }
  std::string Text(const Message& message) const { return std::string(TextFor(message, language_)); }
  const ModelState& Model() const { return *model_; }
  const PenLoci& Loci() const { return loci_; }
  const EditHistory& History() const { return *history_; }
  const DocumentNames& Names() const { return names_; }
  ProgressLog& Log() { return log_; }
  // TrackBar1, cmbSpeed, btnPlay and btnBack are usable only with a power part.
  bool RotationEnabled() const { return model_->HasPowerPart; }
  bool CanUndo() const { return history_->CanUndo(); }
  bool CanRedo() const { return history_->CanRedo(); }
  // Whether the parts as placed differ from those last opened, saved or
  // erased, after the edits, undos and redos since. Turning the mechanism is
  // no change: it is put back by return to placement.
  bool Modified() const { return !(placed_ == kept_); }

  // Files. The start folder of a dialog is LastModelFolder, or the user's
  // documents folder when there is none, which it then becomes.
  std::string StartFolder(const std::string& documentsFolder);
  // The name the model save dialog proposes, without its extension.
  std::string ProposeModelName(const std::function<bool(const std::string&)>& fileExists) const;
  // Opening remembers the chosen name even when reading fails; on success the
  // loci and the history are emptied.
  Reply Open(const std::string& path);
  // ".mvd" is appended unless the name ends in it. The loci are erased first.
  Reply Save(const std::string& chosenPath);
  // The progress log's lines as a text file; ".txt" appended as for models.
  Reply SaveLog(const std::string& chosenPath);
  // The name the log's save dialog proposes.
  std::string ProposeLogName(const std::function<bool(const std::string&)>& fileExists) const;
  // The file a picture, sheet or movie export was told to write: the next
  // dialogs start from its folder and propose its name.
  void RememberFile(const std::string& path);

  // History and whole-model commands.
  void Undo();
  void Redo();
  void ReturnToPlacement();
  // After the user confirmed model_texts::ConfirmClearAll.
  void ClearAll();
  // Every part by one grid step (dx, dy of -10, 0 or 10), recorded as an edit.
  void MoveAll(double dx, double dy);
  void EraseLoci();

  // The drive. One step to the track position the user (or an export) set.
  DriveResult DriveTo(int32_t position);
  // The track position of the next tick of automatic rotation.
  int32_t NextAutoPosition(Rotation direction) const;
  // cmbSpeed's item; other indices keep the step.
  void SetSpeed(int index);
  // The pens' places as a drive step records them, without a step.
  void MarkPens();

  // The exports' road to a target: through target - approach * 50, ...,
  // target - 50, then target (each mod 7200). True when the mechanism got
  // there; otherwise the refusal is in `refusal` and the mechanism stands at
  // the last position it reached.
  bool MoveForExport(int32_t target, int approachSteps, Reply& refusal);
  TurnBack RememberPosition() const;
  // The mechanism, the track bar and the step as they were; the loci erased.
  void ReturnTo(const TurnBack& position);
  void SetAngleStep(int32_t step) { model_->AngleStep = step; }

  // Palette drags. `underPointer` is the part whose body lies under the
  // pointer in the part-index picture, or -1.
  Reply PressPalette(int32_t kind, double x, double y, bool leftButton);
  void MovePaletteDrag(double x, double y, int underPointer);
  // A drop back on the palette discards the new record silently.
  Reply DropPalette(bool onCanvas);

  // Canvas edits (see canvas_drag.h). Grab returns whether to redraw.
  bool Grab(int part, double x, double y);
  DragMode Dragging() const { return drag_.Mode; }
  // Returns the refusal of a drive step that turning the power part caused.
  Reply DragTo(double x, double y, bool shift, int underPointer);
  // Returns whether to redraw.
  bool Release();

  // The popup menu, on the part under its point.
  DeletePlan PlanDelete(int part, double x, double y) const;
  // Carries out a plan whose question the user answered; a refusal plan
  // changes nothing.
  void Delete(const DeletePlan& plan, bool confirmed);
  Reply Rotate(int part, int tag);
  // The property window's texts for the part and the hole or pin at the point.
  PartProperties Describe(int part, double x, double y) const;

  // For tests and tools that build or inspect a model directly.
  ModelState& MutableModel() { return *model_; }
  MoveSolver& Solver() { return solver_; }

 private:
  // The parts and their counters, as an edit leaves them.
  struct Placed {
    ModelCounters Counters;
    std::vector<PartRecord> Parts;

    bool operator==(const Placed&) const = default;
  };
  Placed PlacedNow() const;
  // TakeSnapshot, and the placement it records noted for Modified.
  void RecordEdit();
  // What was opened, saved or erased is what Modified compares with.
  void KeepAsIs();
  // Ends a drag without recording it, before an edit that may move records
  // or take a snapshot: the held parts are drawn and found again, a new
  // record still on its way from the palette goes back.
  void LetGo();
  Reply Write(const std::string& path, const std::string& bytes);
  bool Reaches(int32_t position, Reply& refusal);
  bool MoveAndCheck(int32_t position, Reply& refusal);
  // The move of a canvas drag that turns a loose part with Shift.
  Reply TurnLoose(double x, double y);

  Language language_;
  // On the heap: three tables of 51 records and 1001 history slots.
  std::unique_ptr<ModelState> model_;
  std::unique_ptr<EditHistory> history_;
  PenLoci loci_;
  ProgressLog log_;
  MoveSolver solver_;
  DocumentNames names_;
  CanvasDrag drag_;
  Placed placed_;
  Placed kept_;
};

}  // namespace morvane
