#include "trackkit/cli.h"

#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "trackkit/add_track.h"
#include "trackkit/build.h"
#include "trackkit/check.h"
#include "trackkit/latin1_names.h"
#include "trackkit/times.h"

namespace trackkit {
namespace {

constexpr const char* kUsage =
    "usage: kurvenjagd-track build PICTURE DESCRIPTION OUTDIR [--add-to MAPSDIR --name NAME]\n"
    "       kurvenjagd-track check MAPSDIR\n"
    "       kurvenjagd-track times MAPSDIR\n";

constexpr const char* kHelp =
    "build   cuts a PNG or JPEG of the whole circuit into a track folder; DESCRIPTION places\n"
    "        the start, the three checkpoint squares and the tyre barriers (see README.md).\n"
    "        --add-to copies the folder into MAPSDIR and lists it in maps.txt as NAME.\n"
    "check   reports, with file and line, every problem the game would meet in MAPSDIR;\n"
    "        exit status 1 when a track cannot be raced.\n"
    "times   lists every track with its lock state and best lap.\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct BuildArgs {
  std::vector<std::string> files;  // picture, description, output folder
  std::string maps_dir;            // empty: not added
  std::string name;                // ISO 8859-1
};

BuildArgs build_args(const std::vector<std::string>& args) {
  BuildArgs build;
  std::map<std::string, std::string> options;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--add-to" && args[i] != "--name") {
      build.files.push_back(args[i]);
    } else if (i + 1 == args.size() || options.count(args[i])) {
      throw UsageError(args[i] + " takes one value");
    } else {
      options[args[i]] = args[i + 1];
      ++i;
    }
  }
  if (build.files.size() != 3) throw UsageError("build takes PICTURE DESCRIPTION OUTDIR");
  if (options.size() == 1) throw UsageError("--add-to and --name go together");
  if (!options.empty()) {
    build.maps_dir = options["--add-to"];
    try {
      build.name = latin1_from_utf8(options["--name"]);
    } catch (const std::invalid_argument& error) {
      throw UsageError(std::string("--name: ") + error.what());
    }
  }
  return build;
}

int build(const std::vector<std::string>& args, std::ostream& out) {
  const BuildArgs build = build_args(args);
  std::optional<Addition> addition;
  if (!build.maps_dir.empty()) addition = plan_addition(build.files[2], build.maps_dir, build.name);
  build_track(build.files[0], build.files[1], build.files[2]);
  out << "built " << build.files[2] << "\n";
  if (addition) {
    add_track(*addition);
    out << "added to " << build.maps_dir << " as \"" << utf8_from_latin1(build.name) << "\"\n";
  }
  return 0;
}

int check(const std::string& maps_dir, std::ostream& out) {
  const std::vector<Problem> problems = check_maps(maps_dir);
  for (const Problem& problem : problems) out << problem_text(problem) << "\n";
  if (problems.empty()) out << maps_dir << ": every track can be raced\n";
  return problems.empty() ? 0 : 1;
}

int times(const std::string& maps_dir, std::ostream& out, std::ostream& err) {
  const std::vector<TrackTime> listed = track_times(maps_dir);
  out << times_table(listed);
  int status = 0;
  for (const TrackTime& time : listed)
    if (!time.problem.empty()) {
      err << "kurvenjagd-track: " << time.problem << "\n";
      status = 1;
    }
  return status;
}

}  // namespace

int run_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "--help" || command == "-h") {
      out << kUsage << kHelp;
      return 0;
    }
    if (command == "build") return build(args, out);
    if ((command == "check" || command == "times") && args.size() != 2) throw UsageError(command + " takes MAPSDIR");
    if (command == "check") return check(args[1], out);
    if (command == "times") return times(args[1], out, err);
    throw UsageError(command.empty() ? "no command" : "unknown command \"" + command + "\"");
  } catch (const UsageError& error) {
    err << "kurvenjagd-track: " << error.what() << " (see --help)\n" << kUsage;
    return 2;
  } catch (const std::exception& error) {  // platform::FileError and failed folder operations
    err << "kurvenjagd-track: " << error.what() << "\n";
    return 1;
  }
}

}  // namespace trackkit
