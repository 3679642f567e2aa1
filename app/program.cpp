#include "app/program.h"

#include "app/form_debug.h"
#include "app/form_main.h"
#include "app/form_propaty.h"

namespace morvane::app {

Program::Program(Language language, UserDialogs& dialogs, std::string modelArgument)
    : main_(std::make_unique<TformMain>(language, dialogs, std::move(modelArgument))),
      propaty_(std::make_unique<TformPropaty>(language)),
      debug_(std::make_unique<TformDebug>(language, dialogs, log_, names_)) {
  // TformAVI and then TformArea are created here, after TformDebug.
  QObject::connect(main_.get(), &TformMain::btnDebugClick, debug_.get(), &TformDebug::SetOpen);
  QObject::connect(debug_.get(), &TformDebug::Closed, main_.get(), &TformMain::ReleaseDebugButton);
}

Program::~Program() = default;

}  // namespace morvane::app
