#pragma once

#include "app/calculator/control_table.h"
#include "common/purpose_table.h"
#include "common/safety_check.h"
#include "standard/check.h"
#include "standard/rope_tables.h"
#include "traditional/rope_tables.h"

#include <cstddef>
#include <string>

// What the handlers do, frame by frame; bindings.cpp binds them to their controls and events.
// A class, list or grade is passed by its position in its named group (control_table.h), which
// stands for the value of the same position in the method's enum.
namespace app {

static_assert(kTraditionalClassOptions.size() == traditional::kRopeClassCount);
static_assert(kTraditionalDiameterLists.size() == traditional::kRopeClassCount);
static_assert(kTraditionalGradeOptions.size() == traditional::kGradeCount);
static_assert(kStandardClassOptions.size() == standard::kRopeClassCount);
static_assert(kStandardDiameterLists.size() == standard::kRopeClassCount);
static_assert(kStandardGradeOptions.size() == standard::kGradeCount);
static_assert(kStandardGradeLabels.size() == standard::kGradeCount);
static_assert(kCoreOptions.size() == standard::kCoreCount);
static_assert(kWorkOptions.size() == standard::kWorkTypeCount);
static_assert(std::ranges::all_of(
    kPurposeLists, [](const PurposeListSpec &list) { return list.count <= common::kPurposes.size(); }));

class Controls;

// The rope classes, which also choose the method (class_handlers.cpp).
void pickTraditionalClass(Controls &form, std::size_t rank);
void pickStandardClass(Controls &form, std::size_t rank);

// The traditional method (traditional_handlers.cpp).
void pickTraditionalGrade(Controls &form);
void lookUpTraditional(Controls &form, std::size_t rank);
void checkTraditional(Controls &form);

// The standard method (standard_handlers.cpp).
void pickStandardGrade(Controls &form);
void pickFibreCore(Controls &form);
void pickSteelCore(Controls &form);
void lookUpStandard(Controls &form, std::size_t rank);
void checkStandard(Controls &form);

// A check's result box (result_box.cpp): emptied on white whenever an input of the check
// changes; the factor, the red warning or a message once the check has run.
void clearResult(Controls &form, Box box);
void showVerdict(Controls &form, Box box, const common::Verdict &verdict, std::string (*format)(double));

} // namespace app
