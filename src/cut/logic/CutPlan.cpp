#include "CutPlan.h"

#include "ColourCodes.h"
#include "TimeFormat.h"

namespace {

const std::string& CodeAt(const std::vector<std::string>* codes, size_t i)
{
    static const std::string none;
    return codes && i < codes->size() ? (*codes)[i] : none;
}

bool Chosen(const CutRequest& r, bool byFilter, size_t i)
{
    if (!byFilter) return i < r.selected.size() && r.selected[i];
    const std::string& code = CodeAt(r.StartList, i);
    return !code.empty() && (r.CutFilter == "@" || code == r.CutFilter);
}

std::string Category(const CutRequest& r, size_t i)
{
    if (!r.CategoryNames) return {};
    int code = 0;
    if (r.startTimesEnabled && r.list == ListKind::C) code = CodeOf(CodeAt(r.StartList, i)).value_or(0);
    return (*r.CategoryNames)[static_cast<size_t>(code)];
}

}  // namespace

std::vector<CutPart> PlanCut(const CutRequest& r)
{
    std::vector<CutPart> parts;
    if (!r.entries) return parts;
    const auto& entries = *r.entries;
    const bool byFilter = r.startTimesEnabled && r.list == ListKind::C && !r.CutFilter.empty();
    const int64_t reach = LastEntryReach(r.list);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!Chosen(r, byFilter, i)) continue;
        CutPart part;
        part.index = static_cast<int>(i);
        part.CutFrom = EntryTime(entries[i]);
        part.CutTo = i + 1 < entries.size() ? EntryTime(entries[i + 1]) : reach < 0 ? -1 : part.CutFrom + reach;
        part.category = Category(r, i);
        parts.push_back(std::move(part));
    }
    return parts;
}

std::string CutFilterOf(int colourCode) { return colourCode == 0 ? "@" : std::to_string(colourCode); }
