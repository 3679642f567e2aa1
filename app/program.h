#pragma once

#include <memory>
#include <string>

#include "model/document_names.h"
#include "model/message.h"
#include "solver/progress_log.h"

namespace morvane::app {

class TformDebug;
class TformMain;
class TformPropaty;
class UserDialogs;

// The windows of one run, created in their fixed order and kept until the end,
// with what they share.
class Program {
 public:
  Program(Language language, UserDialogs& dialogs, std::string modelArgument);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  TformMain& Main() { return *main_; }
  TformPropaty& Propaty() { return *propaty_; }
  TformDebug& Debug() { return *debug_; }
  ProgressLog& Log() { return log_; }
  DocumentNames& Names() { return names_; }

 private:
  ProgressLog log_;
  DocumentNames names_;
  std::unique_ptr<TformMain> main_;
  std::unique_ptr<TformPropaty> propaty_;
  std::unique_ptr<TformDebug> debug_;
};

}  // namespace morvane::app
