#include "document/period_argala.h"

#include <algorithm>

#include "document/lord_argala.h"
#include "document/summary_text.h"

namespace tarvel {
namespace {

std::string RecipientText(ArgalaRecipient recipient) {
  if (recipient.kind == ArgalaRecipient::Kind::House) {
    return "the " + std::string(OrdinalText(recipient.index)) + " house";
  }
  return PlanetReference(static_cast<PlanetIndex>(recipient.index));
}

std::string NamesFrom(PlanetSet planets, int position) {
  std::string text;
  ForEachPlanetIn(planets, [&](PlanetIndex planet) {
    text.append(text.empty() ? "" : " and ").append(kPlanetNames[planet]);
  });
  return text + " from the " + std::string(OrdinalText(position));
}

// "Primary Argala on the 4th house — Obstructed (Mars from the 10th)".
std::string CastText(const RecipientEntry& cast) {
  const SummaryEntry& entry = cast.entry;
  std::string text = std::string(SummaryKindName(entry.kind)) + " Argala on " +
                     RecipientText(cast.recipient) + " — " +
                     std::string(SummaryVerdictName(entry.verdict));
  if (entry.obstructers == 0) return text;
  return text + " (" + NamesFrom(entry.obstructers, ObstructingPosition(entry.position)) + ")";
}

// "the Argala on the 10th house from the 4th".
std::string ObstructionText(const RecipientEntry& obstruction) {
  return "the Argala on " + RecipientText(obstruction.recipient) + " from the " +
         std::string(OrdinalText(obstruction.entry.position));
}

template <typename Text>
std::string Joined(const std::vector<RecipientEntry>& entries, std::string_view separator,
                   Text text) {
  std::string joined;
  for (const RecipientEntry& entry : entries) {
    joined.append(joined.empty() ? "" : separator).append(text(entry));
  }
  return joined;
}

void AppendLordText(std::string& caption, PlanetIndex lord, const LordArgala& argala) {
  const std::string_view name = kPlanetNames[lord];
  if (!argala.casts.empty()) {
    caption.append(" ").append(name).append(": ").append(Joined(argala.casts, "; ", CastText));
    caption.append(".");
  }
  if (!argala.obstructs.empty()) {
    caption.append(" ").append(name).append(" obstructs ");
    caption.append(Joined(argala.obstructs, " and ", ObstructionText)).append(".");
  }
  if (argala.casts.empty() && argala.obstructs.empty()) {
    caption.append(" ").append(name).append(": ").append(kNoSummaryArgalaText).append(".");
  }
}

void AddRecipients(const std::vector<RecipientEntry>& entries,
                   std::vector<ArgalaRecipient>& recipients) {
  for (const RecipientEntry& entry : entries) {
    if (std::ranges::find(recipients, entry.recipient) == recipients.end()) {
      recipients.push_back(entry.recipient);
    }
  }
}

}  // namespace

std::vector<std::string> LordArgalaLines(const ChartResult& chart, PlanetIndex lord) {
  const LordArgala argala = ArgalaOfLord(chart.summary, lord);
  const std::string name(kPlanetNames[lord]);
  std::vector<std::string> lines;
  for (const RecipientEntry& cast : argala.casts) lines.push_back(name + ": " + CastText(cast));
  for (const RecipientEntry& obstruction : argala.obstructs) {
    lines.push_back(name + " obstructs " + ObstructionText(obstruction));
  }
  if (lines.empty()) lines.push_back(name + ": " + std::string(kNoSummaryArgalaText));
  return lines;
}

PeriodArgala ExplainPeriod(const ChartResult& chart, const PeriodRow& row) {
  PeriodArgala explained{{}, row.lordsText + ", " + row.datesText + "."};
  std::vector<PlanetIndex> lords;
  std::vector<ArgalaRecipient> recipients;
  for (const PlanetIndex lord : row.lords) {
    if (std::ranges::find(lords, lord) != lords.end()) continue;
    lords.push_back(lord);
    const LordArgala argala = ArgalaOfLord(chart.summary, lord);
    AppendLordText(explained.caption, lord, argala);
    AddRecipients(argala.casts, recipients);
    AddRecipients(argala.obstructs, recipients);
  }
  std::ranges::sort(recipients, {}, [](ArgalaRecipient r) { return std::pair(r.kind, r.index); });
  for (const ArgalaRecipient recipient : recipients) {
    std::optional<ArgalaExplanation> drawn = ExplainArgala(chart, recipient);
    if (!drawn) continue;
    std::erase_if(drawn->arrows, [&](const ExplanationArrow& arrow) {
      return std::ranges::find(lords, arrow.planet) == lords.end();
    });
    drawn->caption.clear();
    explained.recipients.push_back(std::move(*drawn));
  }
  return explained;
}

}  // namespace tarvel
