#pragma once
// Helpers for the vertex text and 3DOText tests: a precise text of everything a
// project holds (to tell "exactly as before"), reference checks, and one import
// run with its prompts and log.

#include "model/outcome.hpp"
#include "model/project.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

#include <string>

namespace meshsmith::test {

// Every table, value and flag of the project, floats with 15 significant
// digits, one item per line; equal texts mean equal projects.
std::string projectFingerprint(const Project& p);

// Every line, visualization line and polygon refers to existing vertices;
// polygons are closed and their counts match their index lists.
::testing::AssertionResult referencesAreSound(const Project& p);

// A project with 10 vertices, lines, polygons and GeometryPresent set, so that
// imports append to it.
Project tenVertexProject();

struct ImportRun {
    Project project;
    ScriptedPrompts prompts;
    RecordingLog log;
    OperationResult result;
};

} // namespace meshsmith::test
