#include "ui/main/main_form_layout.h"

#include <stdexcept>

namespace tarvel {

using main_form::kResultTextControls;

const DayTimeControl kTwilightControls[10] = {
    {DayTimeTextField::AstronomicalDawn, MainControl::AstronomicalDawn},
    {DayTimeTextField::NauticalDawn, MainControl::NauticalDawn},
    {DayTimeTextField::CivilDawn, MainControl::CivilDawn},
    {DayTimeTextField::GoldenHourEnd, MainControl::GoldenHourEnd},
    {DayTimeTextField::GoldenHourStart, MainControl::GoldenHourStart},
    {DayTimeTextField::CivilDusk, MainControl::CivilDusk},
    {DayTimeTextField::NauticalDusk, MainControl::NauticalDusk},
    {DayTimeTextField::AstronomicalDusk, MainControl::AstronomicalDusk},
    {DayTimeTextField::NightMiddle, MainControl::NightMiddle},
    {DayTimeTextField::NightLastThird, MainControl::NightLastThird},
};

MainControl ResultTextControl(ResultTextField field) {
    for (const auto& [shown, control] : kResultTextControls) {
        if (shown == field) return control;
    }
    throw std::out_of_range("ResultTextControl: no control for the field");
}

}  // namespace tarvel
