#include "output/reports/PageOutput.h"

namespace orv::output {

using namespace core;

namespace {
constexpr std::string_view kLead = "The report page could not be written. ";
constexpr unsigned kPageMode = 0600;  // only the user and the viewer they start read it
}  // namespace

std::optional<std::filesystem::path> pageFilePath(const Places& places) {
  return places.mapFixedPath(kPageFile);
}

bool PageOutput::failed(const std::string& reason) {
  message_ = std::string(kLead) + reason;
  return false;
}

bool PageOutput::open() {
  message_.clear();
  const auto where = pageFilePath(places_);
  if (!where) return failed("The report folder is not known.");
  path_ = *where;
  // A folder someone else can write into could swap the page for anything; do not use it.
  if (auto problem = places_.reportFolderProblem(); !problem.empty()) return failed(problem);
  if (!file_.create(path_, kPageMode)) return failed(file_.error());
  return true;
}

bool PageOutput::write(std::string_view piece) {
  if (!message_.empty()) return false;
  if (!file_.write(piece)) return failed(file_.error());
  return true;
}

bool PageOutput::finish() {
  if (!message_.empty()) return false;
  if (!file_.finish()) return failed(file_.error());
  return true;
}

std::string writePage(const Places& places, std::string_view page) {
  PageOutput out(places);
  if (out.open() && out.write(page)) out.finish();
  return out.message();
}

}  // namespace orv::output
