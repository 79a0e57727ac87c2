// The key problem as a set cover, for the search: the elements are the MM-sets of the events
// ("targets"), the sets are the possible bets ("blocks"). Every block lies in C(NN-KK, MM-KK)
// targets and every target holds C(MM, KK) blocks. Both are numbered in colex order, which has a
// closed-form rank, so the incidences can be computed on the fly from the sets' bits; only shapes
// small enough keep them in tables, which is faster. Either way the memory stays a few bytes per
// target and block.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "keys/keyshape.h"

namespace kombinator::keys {

// The place of a set among the sets of as many events in colex order: the number of a target or a
// block. Closed form, so no table of the sets is needed.
int colexRank(Bet set);

class CoverInstance {
public:
    explicit CoverInstance(KeyShape shape);

    // Whether the search can take this shape at all (the events fit the bit tables).
    static bool fits(KeyShape shape);
    // The work units of covering every target once, which any search over the shape pays.
    static std::int64_t coverageWork(KeyShape shape);
    // Whether the incidences are kept in tables: small shapes, for which the local search pays.
    static bool keepsTables(KeyShape shape);

    const KeyShape& shape() const { return shape_; }
    int blockCount() const { return static_cast<int>(blocks_.size()); }
    int targetCount() const { return targetCount_; }
    int perBlock() const { return perBlock_; }
    int perTarget() const { return perTarget_; }
    // What visiting one incidence costs in the search's work units: more when computed.
    int unitCost() const { return tables_ ? 1 : 3; }
    Bet block(int b) const { return blocks_[static_cast<std::size_t>(b)]; }
    int indexOf(Bet set) const;

    // Targets that contain block b, and blocks inside target t. Without tables, each call reuses
    // one buffer per kind: the span lasts until the next call of the same function.
    std::span<const int> targetsOf(int b) const;
    std::span<const int> blocksOf(int t) const;

    std::vector<int> indicesOf(const std::vector<Bet>& bets) const;
    std::vector<Bet> betsOf(const std::vector<int>& indices) const;
    // Whether the blocks cover every target.
    bool covers(const std::vector<int>& cover) const;

private:
    Bet targetSet(int t) const;

    KeyShape shape_;
    bool tables_ = false;
    std::vector<Bet> blocks_;
    int targetCount_ = 0;
    int perBlock_ = 0;
    int perTarget_ = 0;
    // Which of a target's MM events form each of its blocks, by position: perTarget rows of KK.
    std::vector<std::uint8_t> positions_;
    std::vector<std::uint32_t> targetSets_;  // without tables
    std::vector<int> cover_;                 // with tables: targets of each block
    std::vector<int> members_;               // with tables: blocks of each target
    mutable std::vector<int> targetBuffer_;
    mutable std::vector<int> blockBuffer_;
};

// Greedy cover: always take the block lying in the most still-uncovered targets; among equals
// the one with the smallest rank wins.
std::vector<int> greedyCover(const CoverInstance& inst, const std::vector<int>& rank);
// What a greedy cover costs in work units; the search skips it where that is out of proportion.
std::int64_t greedyWork(const CoverInstance& inst);

// Drops every bet the cover can do without, trying the latest additions first.
void dropRedundant(const CoverInstance& inst, std::vector<int>& cover);

}  // namespace kombinator::keys
