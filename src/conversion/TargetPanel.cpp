#include "TargetPanel.h"

namespace conversion {

TargetPanel::TargetPanel(const targets::ProfileDefinitions &definitions, int target, QSize clipSize,
                         const std::optional<targets::ProfileValues> &profile)
    : definitions_(definitions), clipSize_(clipSize)
{
    targets::SelectTargetWithProfile(state_, target, Inputs(), profile);
}

targets::PanelInputs TargetPanel::Inputs() const
{
    return {definitions_, nullptr, clipSize_.isValid() ? std::optional<QSize>(clipSize_) : std::nullopt, QString()};
}

void TargetPanel::ChooseAspect(int index)
{
    targets::ChooseAspect(state_, index, Inputs());
}

std::optional<QString> TargetPanel::Set(const QString &key, const QString &value)
{
    return targets::SetByKey(state_, key, value, Inputs());
}

QString TargetPanel::ChoicesText(const QString &key) const
{
    return targets::ChoicesText(state_, key);
}

JobPanelValues TargetPanel::JobValues() const
{
    return JobPanelValuesOf(state_);
}

naming::OutputPanelValues TargetPanel::OutputValues() const
{
    return targets::OutputPanelValuesOf(state_, definitions_);
}

} // namespace conversion
