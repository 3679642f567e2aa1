#include <QString>
#include <QtGlobal>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_texts.h"
#include "model/message.h"
#include "model/model_texts.h"
#include "model/output_file.h"
#include "model/temporary_files.h"

namespace {

using morvane::cli::CliContext;

void PrintHelp(CliContext& context) {
  std::ostream& out = context.Out;
  out << context.Text(morvane::cli_texts::Usage) << ": morvane-cli [--lang ja|en] <command> ...\n\n"
      << context.Text(morvane::cli_texts::Commands) << ":\n";
  for (const morvane::cli::Command& command : morvane::cli::Commands()) {
    out << "  " << command.Usage << "\n      " << context.Text(command.Summary) << '\n';
  }
  out << '\n' << context.Text(morvane::cli_texts::Options) << ":\n"
      << "  --help      " << context.Text(morvane::cli_texts::HelpOption) << '\n'
      << "  --version   " << context.Text(morvane::cli_texts::VersionOption) << '\n'
      << "  --lang L    " << context.Text(morvane::cli_texts::LangOption) << "\n\n"
      << context.Text(morvane::cli_texts::ExitCodes) << '\n';
}

int TopLevelUsage(CliContext& context, const std::string& problem) {
  context.Err << "morvane-cli: " << problem << '\n'
              << context.Text(morvane::cli_texts::Usage) << ": morvane-cli [--lang ja|en] <command> ... (--help)\n";
  return morvane::cli::kExitUsage;
}

// Takes "--lang ja|en" out of the arguments wherever it stands.
bool ExtractLanguage(std::vector<std::string>& args, CliContext& context, std::string& problem) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--lang") {
      continue;
    }
    if (i + 1 >= args.size() || (args[i + 1] != "ja" && args[i + 1] != "en")) {
      problem = "--lang ja|en";
      return false;
    }
    context.UiLanguage = args[i + 1] == "ja" ? morvane::Language::Japanese : morvane::Language::English;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    --i;
  }
  return true;
}

int Run(std::vector<std::string> args, CliContext& context) {
  std::string problem;
  if (!ExtractLanguage(args, context, problem)) {
    return TopLevelUsage(context, problem);
  }
  if (args.empty()) {
    return TopLevelUsage(context, std::string(context.Text(morvane::cli_texts::UnknownCommand)));
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(context);
    return morvane::cli::kExitOk;
  }
  if (args[0] == "--version") {
    context.Out << "morvane-cli " << MORVANE_VERSION << '\n';
    return morvane::cli::kExitOk;
  }
  for (const morvane::cli::Command& command : morvane::cli::Commands()) {
    if (command.Name == args[0]) {
      const std::vector<std::string> rest(args.begin() + 1, args.end());
      if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h")) {
        context.Out << context.Text(morvane::cli_texts::Usage) << ": morvane-cli " << command.Usage << '\n'
                    << "    " << context.Text(command.Summary) << '\n';
        return morvane::cli::kExitOk;
      }
      return command.Run(rest, context);
    }
  }
  return TopLevelUsage(context, std::string(context.Text(morvane::cli_texts::UnknownCommand)) + ": " + args[0]);
}

// Standard output is checked once, after the last write: a full disk or a
// closed pipe must not pass for a complete table.
int ExitAfterOutput(CliContext& context, int status) {
  context.Out.flush();
  if (context.Out.good() && std::fflush(stdout) == 0 && !std::ferror(stdout)) {
    return status;
  }
  context.Err << "morvane-cli: stdout: " << context.Text(morvane::model_texts::WriteFailed) << '\n';
  return morvane::cli::kExitCannotWrite;
}

// Starting a QGuiApplication, Qt asks for the runtime folder only to learn
// whether it runs in a Flatpak sandbox, and warns on stderr where no login
// session made one (cron, ssh, a container). The tool needs no such folder:
// that warning alone is dropped, every other message goes on as before.
QtMessageHandler qtHandler = nullptr;

void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& where, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
    return;
  }
  qtHandler(type, where, message);
}

}  // namespace

int main(int argc, char** argv) {
  // A file size limit (ulimit -f) then fails the write, which is reported,
  // instead of killing the program half-way through the file.
  std::signal(SIGXFSZ, SIG_IGN);
  // Ctrl-C, a kill or a closed terminal leave no hidden temporary behind.
  morvane::RemoveTemporariesOnSignals();
  // As shell tools do: `morvane-cli movie ... -o fifo` waits for its reader.
  morvane::SetPipeWithoutReader(morvane::PipeWithoutReader::Wait);
  qtHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
  CliContext context{morvane::Language::English, std::cout, std::cerr};
  const int status = Run(std::vector<std::string>(argv + 1, argv + argc), context);
  return ExitAfterOutput(context, status);
}
