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

std::string pageFailure(std::string_view reason) {
  return std::string(kLead) + std::string(reason);
}

std::optional<TextWriter> openPageFile(const Places& places, std::string& message) {
  message.clear();
  const auto where = pageFilePath(places);
  if (!where) {
    message = pageFailure("The report folder is not known.");
    return std::nullopt;
  }
  if (auto problem = places.reportFolderProblem(); !problem.empty()) {
    message = pageFailure(problem);
    return std::nullopt;
  }
  auto file = TextWriter::newFile(*where, kPageMode);
  if (!file.open()) {
    message = pageFailure(file.error());
    return std::nullopt;
  }
  return file;
}

std::string writePage(const Places& places, std::string_view page) {
  std::string message;
  auto file = openPageFile(places, message);
  if (file && !(file->write(page) && file->finish())) message = pageFailure(file->error());
  return message;
}

}  // namespace orv::output
