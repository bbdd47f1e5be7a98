// From the inventory's station-days to the tasks of every day.
#include "network/NetworkPlan.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <utility>

namespace {

std::string DayText(int year, int dayOfYear) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%03d", year, dayOfYear);
  return text;
}

void PlanDay(const std::pair<int, int>& day, const std::vector<const StationDay*>& files,
             const Inventory& inventory, const BaselineRule& rule, NetworkPlan& plan) {
  std::vector<Station> stations;
  stations.reserve(files.size());
  for (const StationDay* file : files)
    stations.push_back({file->station, {file->position[0], file->position[1], file->position[2]}});
  std::vector<std::string> notes;
  const std::vector<Baseline> baselines = FormBaselines(rule, stations, notes);
  const std::string dayText = DayText(day.first, day.second);
  for (const std::string& note : notes) plan.notes.push_back(dayText + ": " + note);
  const auto navigation = inventory.navigation.find(day);
  if (navigation == inventory.navigation.end() && !baselines.empty())
    plan.notes.push_back(dayText +
                         ": no navigation file; GLONASS channels come from the headers alone");
  for (const Baseline& baseline : baselines) {
    Task task{day.first, day.second, baseline.base, baseline.rover, {}, {}, {}, {}, {}};
    for (const StationDay* file : files) {
      if (file->station == baseline.base) {
        task.baseFile = file->path;
        task.basePieces = file->pieces;
      }
      if (file->station == baseline.rover) {
        task.roverFile = file->path;
        task.roverPieces = file->pieces;
      }
    }
    if (navigation != inventory.navigation.end()) task.navigation = navigation->second;
    plan.tasks.push_back(task);
  }
}

// Between the pieces of a day in the plan's file column.
const char kPieceSeparator[] = " + ";

std::string FilesText(const std::string& first, const std::vector<std::string>& pieces) {
  std::string text = first;
  for (const std::string& piece : pieces) text += kPieceSeparator + piece;
  return text;
}

// A file column: the first piece, then the later ones.
void ReadPieces(const std::string& field, std::string& first, std::vector<std::string>& pieces) {
  const size_t separator = field.find(kPieceSeparator);
  first = field.substr(0, separator);
  for (size_t from = separator; from != std::string::npos;) {
    from += std::strlen(kPieceSeparator);
    const size_t next = field.find(kPieceSeparator, from);
    pieces.push_back(field.substr(from, next == std::string::npos ? next : next - from));
    from = next;
  }
}

// "YYYY-DDD\tBASE\tROVER\tBASEFILE\tROVERFILE[\tNAVIGATION]...".
bool ReadTask(const std::string& line, Task& task) {
  std::istringstream fields(line);
  std::string day;
  char dash = 0;
  std::getline(fields, day, '\t');
  std::istringstream dayFields(day);
  if (!(dayFields >> task.year >> dash >> task.dayOfYear) || dash != '-') return false;
  std::string baseFiles, roverFiles;
  for (std::string* field : {&task.base, &task.rover, &baseFiles, &roverFiles})
    if (!std::getline(fields, *field, '\t') || field->empty()) return false;
  ReadPieces(baseFiles, task.baseFile, task.basePieces);
  ReadPieces(roverFiles, task.roverFile, task.roverPieces);
  for (std::string file; std::getline(fields, file, '\t');) task.navigation.push_back(file);
  return true;
}

}  // namespace

std::string Task::Folder() const {
  char day[16];
  std::snprintf(day, sizeof day, "%04d/%03d/", year, dayOfYear);
  return day + base + "-" + rover;
}

NetworkPlan MakePlan(const Inventory& inventory, const BaselineRule& rule) {
  std::map<std::pair<int, int>, std::vector<const StationDay*>> days;
  for (const StationDay& file : inventory.observations)
    days[{file.year, file.dayOfYear}].push_back(&file);
  NetworkPlan plan;
  for (const auto& [day, files] : days) PlanDay(day, files, inventory, rule, plan);
  return plan;
}

void WritePlan(std::ostream& out, const NetworkPlan& plan, const BaselineRule& rule) {
  out << "# baselines: " << DescribeRule(rule) << "\n";
  out << "# tasks: " << plan.tasks.size() << "\n";
  for (const Task& task : plan.tasks) {
    out << DayText(task.year, task.dayOfYear) << '\t' << task.base << '\t' << task.rover << '\t'
        << FilesText(task.baseFile, task.basePieces) << '\t'
        << FilesText(task.roverFile, task.roverPieces);
    for (const std::string& file : task.navigation) out << '\t' << file;
    out << '\n';
  }
}

bool ReadPlanTasks(std::istream& in, std::vector<Task>& tasks) {
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    Task task;
    if (!ReadTask(line, task)) return false;
    tasks.push_back(task);
  }
  return true;
}
