#include "games/reflection/rules/DealSolver.h"

#include <algorithm>
#include <chrono>

namespace reflection {

namespace {

constexpr int kKingRank = 12;
constexpr int kMaxMoves = 30;
constexpr int kExhausted = 1 << 30;

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uint64_t mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h * 0xff51afd7ed558ccdULL;
}

}  // namespace

void DealSolver::LostTable::clear() {
    keys_.assign(1 << 16, 0);
    values_.assign(1 << 16, 0);
    used_ = 0;
}

int DealSolver::LostTable::find(uint64_t key) const {
    if (key == 0) key = 1;
    const size_t mask = keys_.size() - 1;
    for (size_t i = key & mask;; i = (i + 1) & mask) {
        if (keys_[i] == key) return values_[i];
        if (keys_[i] == 0) return -1;
    }
}

void DealSolver::LostTable::raise(uint64_t key, int value) {
    if (key == 0) key = 1;
    if ((used_ + 1) * 2 > keys_.size()) grow();
    const size_t mask = keys_.size() - 1;
    for (size_t i = key & mask;; i = (i + 1) & mask) {
        if (keys_[i] == key) {
            values_[i] = std::max(values_[i], value);
            return;
        }
        if (keys_[i] == 0) {
            keys_[i] = key;
            values_[i] = value;
            ++used_;
            return;
        }
    }
}

void DealSolver::LostTable::grow() {
    std::vector<uint64_t> keys(keys_.size() * 2, 0);
    std::vector<int> values(keys.size(), 0);
    keys.swap(keys_);
    values.swap(values_);
    used_ = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != 0) raise(keys[i], values[i]);
    }
}

DealSolver::DealSolver(const int codes[kDeckSize], bool expert) : expert_(expert) {
    for (int i = 0; i < kDeckSize; ++i) ranks_[i] = static_cast<uint8_t>(codes[i] % 13);
}

SolveResult DealSolver::solve(long long nodeBudget, int milliseconds) {
    lost_.clear();
    line_.clear();
    nodes_ = 0;
    nodeBudget_ = nodeBudget;
    deadline_ = milliseconds > 0 ? nowMs() + milliseconds : 0;
    aborted_ = false;
    SolveResult result;
    result.outcome = SolveOutcome::Unknown;
    for (int discrepancies = 0; !aborted_; ++discrepancies) {
        State start;
        bool complete = true;
        line_.clear();
        if (search(start, discrepancies, complete)) {
            result.outcome = SolveOutcome::Won;
            result.moves = line_;
            break;
        }
        if (complete && !aborted_) {
            result.outcome = SolveOutcome::Lost;
            break;
        }
    }
    result.nodes = nodes_;
    return result;
}

bool DealSolver::outOfBudget() {
    if (aborted_) return true;
    if (nodeBudget_ > 0 && nodes_ >= nodeBudget_) aborted_ = true;
    if (deadline_ != 0 && (nodes_ & 1023) == 0 && nowMs() >= deadline_) aborted_ = true;
    return aborted_;
}

uint64_t DealSolver::key(const State& s) const {
    // Talons by content, sorted, so a position does not depend on which talon
    // holds which pile.
    int order[kStoreTalonCount] = {0, 1, 2, 3};
    std::sort(order, order + kStoreTalonCount, [&s](int a, int b) {
        return std::lexicographical_compare(s.talon[a], s.talon[a] + s.talonLen[a], s.talon[b],
                                            s.talon[b] + s.talonLen[b]);
    });
    uint64_t h = s.deckPos;
    h = mix(h, static_cast<uint64_t>(s.dealt + 1));
    for (int i = 0; i < kSequenceCount; ++i) h = mix(h, s.seqLen[i]);
    h = mix(h, s.kings);
    for (int t : order) {
        h = mix(h, 100 + s.talonLen[t]);
        for (int i = 0; i < s.talonLen[t]; ++i) h = mix(h, s.talon[t][i]);
    }
    return h ^ (h >> 31);  // the table indexes by the low bits
}

int DealSolver::wantedIn(const State& s, int rank) const {
    int best = 99;
    for (int q = 0; q < kSequenceCount; ++q) {
        const int wanted = positionOfRank(q, rank) - s.seqLen[q];
        if (wanted >= 0 && wanted < best) best = wanted;
    }
    return best;
}

bool DealSolver::apply(State& s, const Move& m) const {
    switch (m.kind) {
        case MoveKind::DealCard:
            if (s.dealt >= 0 || s.deckPos >= kDeckSize) return false;
            s.dealt = static_cast<int8_t>(ranks_[s.deckPos++]);
            return true;
        case MoveKind::DealtToTalon:
            s.talon[m.to][s.talonLen[m.to]++] = static_cast<uint8_t>(s.dealt);
            s.dealt = -1;
            return true;
        case MoveKind::DealtToKings:
            ++s.kings;
            s.dealt = -1;
            return true;
        case MoveKind::DealtToSequence:
            ++s.seqLen[m.to];
            ++s.placed;
            s.dealt = -1;
            return true;
        case MoveKind::TalonToSequence:
            --s.talonLen[m.from];
            ++s.seqLen[m.to];
            ++s.placed;
            return true;
        case MoveKind::KingsToSequence:
            --s.kings;
            ++s.seqLen[m.to];
            ++s.placed;
            return true;
    }
    return false;
}

void DealSolver::generate(const State& s, Move* out, int& count) const {
    count = 0;
    // A king waiting on the kings talon completes any sequence of 12 at no
    // cost: all kings are alike, and each sequence needs exactly one.
    for (int q = 0; q < kSequenceCount; ++q) {
        if (s.kings > 0 && s.seqLen[q] == kSequenceLength - 1) {
            out[count++] = Move::kingsToSequence(q);
            return;
        }
    }
    for (int q = 0; q < kSequenceCount; ++q) {
        if (s.dealt >= 0 && rankFits(q, s.seqLen[q], s.dealt))
            out[count++] = Move::dealtToSequence(q);
    }
    for (int t = 0; t < kStoreTalonCount; ++t) {
        if (s.talonLen[t] == 0) continue;
        const int top = s.talon[t][s.talonLen[t] - 1];
        for (int q = 0; q < kSequenceCount; ++q) {
            if (rankFits(q, s.seqLen[q], top)) out[count++] = Move::talonToSequence(t, q);
        }
    }
    if (s.dealt < 0) {
        if (s.deckPos < kDeckSize) out[count++] = Move::dealCard();
        return;
    }
    if (!expert_ && s.dealt == kKingRank) {
        out[count++] = Move::dealtToKings();
        return;
    }
    // Parking: one talon of each distinct content, the least harmful first.
    const int dealtNeed = wantedIn(s, s.dealt);
    int candidates[kStoreTalonCount];
    int weights[kStoreTalonCount];
    int n = 0;
    for (int t = 0; t < kStoreTalonCount; ++t) {
        if (s.talonLen[t] >= kStoreTalonCapacity) continue;
        bool same = false;
        for (int k = 0; k < n && !same; ++k) {
            const int u = candidates[k];
            same = s.talonLen[u] == s.talonLen[t] &&
                   std::equal(s.talon[u], s.talon[u] + s.talonLen[u], s.talon[t]);
        }
        if (same) continue;
        int weight;
        if (s.talonLen[t] == 0) {
            weight = 1000;
        } else {
            const int topNeed = wantedIn(s, s.talon[t][s.talonLen[t] - 1]);
            weight = topNeed >= dealtNeed ? 500 - (topNeed - dealtNeed) : topNeed;
        }
        candidates[n] = t;
        weights[n++] = weight;
    }
    for (int i = 0; i < n; ++i) {
        int best = i;
        for (int k = i + 1; k < n; ++k) {
            if (weights[k] > weights[best]) best = k;
        }
        std::swap(candidates[i], candidates[best]);
        std::swap(weights[i], weights[best]);
        out[count++] = Move::dealtToTalon(candidates[i]);
    }
}

bool DealSolver::search(State& s, int discrepancies, bool& complete) {
    if (s.placed == kDeckSize) return true;
    ++nodes_;
    if (outOfBudget()) return false;
    const uint64_t k = key(s);
    const int seen = lost_.find(k);
    if (seen >= discrepancies) {
        if (seen != kExhausted) complete = false;
        return false;
    }
    Move moves[kMaxMoves];
    int count = 0;
    generate(s, moves, count);
    bool subtreeComplete = true;
    for (int i = 0; i < count; ++i) {
        if (i > discrepancies) {
            subtreeComplete = false;
            break;
        }
        State next = s;
        if (!apply(next, moves[i])) continue;
        line_.push_back(moves[i]);
        if (search(next, discrepancies - i, subtreeComplete)) return true;
        line_.pop_back();
        if (aborted_) return false;
    }
    if (!subtreeComplete) complete = false;
    lost_.raise(k, subtreeComplete ? kExhausted : discrepancies);
    return false;
}

}  // namespace reflection
