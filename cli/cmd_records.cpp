// orvex-cli records: one line per record as it is read.
#include <memory>

#include "cli_common.h"
#include "commands.h"
#include "ylogs/base/day_time.h"
#include "ylogs/base/file_error.h"
#include "ylogs/text/codepage.h"

namespace orvex::cli {
namespace {

// Backslash, TAB, CR, LF escaped; other control and high bytes as \xHH.
std::string EscapeText(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        if (c < 0x20 || c >= 0x7F) {
          out += "\\x";
          out += kHex[c >> 4];
          out += kHex[c & 15];
        } else {
          out += ch;
        }
    }
  }
  return out;
}

struct RecordsArgs {
  std::string file;
  std::string user;
  std::string friend_name;
  bool raw = false;
};

int RunRecords(const CLI::App& app, const RecordsArgs& args) {
  const ArchiveNames names =
      NamesForFile(args.file, LooseNamesFrom(app, args.user, args.friend_name));
  std::string out;
  int status = kExitOk;
  try {
    ReadArchiveFile(args.file, names.key, !args.raw, ReportMessage, [&](DecodedRecord& record) {
      if (record.direction >= 2) ReportMessage(std::to_string(record.direction));
      out += FormatIsoMillis(DayCountToCivil(record.time));
      out += '\t';
      out += std::to_string(record.direction);
      out += '\t';
      out += EscapeText(DecodeArchiveUtf8(record.fragment));
      out += '\n';
    });
  } catch (const UserError& e) {
    WriteOut(out);
    ReportError(e.what());
    return kExitError;
  }
  WriteOut(out);
  return status;
}

}  // namespace

Command AddRecordsCommand(CLI::App& app) {
  auto args = std::make_shared<RecordsArgs>();
  CLI::App* sub = app.add_subcommand("records", "list the records of an archive file");
  sub->add_option("FILE", args->file, "the archive file")->required()->transform(PathArgument());
  AddLooseNameOptions(*sub, args->user, args->friend_name);
  sub->add_flag("--raw", args->raw, "formatting codes off");
  return {sub, [sub, args] { return RunRecords(*sub, *args); }};
}

}  // namespace orvex::cli
