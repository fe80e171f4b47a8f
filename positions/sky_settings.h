#pragma once

namespace tarvel {

/// Which implementation places the planets.
enum class SkyKind { Classic, Swiss };

/// The ayanamsas the precise sky offers; the classic sky has its own.
enum class AyanamsaKind { Lahiri, Raman, Krishnamurti, FaganBradley, TrueChitrapaksha, Yukteshwar };

/// Rahu at the Moon's mean or true ascending node; Ketu stands opposite.
enum class NodeKind { Mean, True };

/// The user's choice of sky. The default is the classic sky, which ignores the other two.
struct SkySettings {
  SkyKind kind = SkyKind::Classic;
  AyanamsaKind ayanamsa = AyanamsaKind::Lahiri;
  NodeKind node = NodeKind::Mean;
  bool operator==(const SkySettings&) const = default;
};

}  // namespace tarvel
