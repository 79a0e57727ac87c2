// keygen — builds the reduction keys ("kulcsok") that Kombinátor ships in resources/tkulcs.
//
// The search itself is the program's own key maker (src/keys): constructions, greedy covers and a
// weighted local search. The generator adds what only pays off for a whole library: keys hand
// their structure to their neighbours (one event more or less), in three sweeps over the event
// counts. The keys already in OUTDIR are where it starts, so a key is only ever replaced by a
// smaller one. Everything is deterministic: seeds are fixed and the search runs on work budgets
// rather than time limits, so regenerating the library reproduces the same files.
//
// Usage: keygen [--work N] OUTDIR
// Writes one file per key (e.g. "03_10_06.txt") and the library "tippek.inf" into OUTDIR, and
// prints a table of key sizes to stdout. --work sets the search effort of a key's first visit.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "keys/keysearch.h"

namespace {

using kombinator::keys::Bet;
using kombinator::keys::KeyShape;
namespace keys = kombinator::keys;

constexpr int kMinEvents = 4;
constexpr int kMaxEvents = 16;
constexpr int kMinTipsPerBet = 2;
constexpr int kMaxTipsPerBet = 4;
// Search effort per key and visit, in the search's work units; later visits get a quarter.
constexpr std::int64_t kFirstVisitWork = 1'000'000'000;
std::int64_t firstVisitWork = kFirstVisitWork;

struct KeyResult {
    KeyShape shape;
    std::vector<Bet> bets;
};

// The program reads the library as Windows-1250 text. Only these few accented letters occur in it.
std::string toWindows1250(std::string_view utf8) {
    static constexpr struct {
        std::string_view utf8;
        char cp1250;
    } kLetters[] = {{"á", '\xE1'}, {"é", '\xE9'}, {"ö", '\xF6'}, {"ő", '\xF5'}, {"–", '\x96'}};
    std::string result;
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            result += utf8[i++];
            continue;
        }
        bool known = false;
        for (const auto& letter : kLetters) {
            if (utf8.substr(i, letter.utf8.size()) == letter.utf8) {
                result += letter.cp1250;
                i += letter.utf8.size();
                known = true;
                break;
            }
        }
        if (!known) throw std::runtime_error("no Windows-1250 mapping for a character in the library text");
    }
    return result;
}

std::string libraryLine(KeyShape s, std::size_t betCount) {
    return toWindows1250(keys::keyName(s) + ".txt  " + keys::keyDescription(s, betCount)) + "\r\n";
}

void writeBinary(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<KeyShape> allShapes() {
    std::vector<KeyShape> shapes;
    for (int k = kMinTipsPerBet; k <= kMaxTipsPerBet; ++k) {
        for (int n = kMinEvents; n <= kMaxEvents; ++n) {
            for (int m = k + 1; m < n; ++m)
                shapes.push_back({k, n, m});
        }
    }
    return shapes;
}

// Runs job(i) for every index, spread over the available cores. Every job must be deterministic on
// its own and touch only its own key, so the thread count never changes the output.
template <typename Job>
void runInParallel(const std::vector<std::size_t>& indices, Job job) {
    std::atomic<std::size_t> next{0};
    std::mutex errorMutex;
    std::string error;
    auto worker = [&] {
        for (std::size_t i = next++; i < indices.size(); i = next++) {
            try {
                job(indices[i]);
            } catch (const std::exception& e) {
                const std::lock_guard lock(errorMutex);
                error = e.what();
            }
        }
    };
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
        threads.emplace_back(worker);
    threads.clear();  // joins
    if (!error.empty()) throw std::runtime_error(error);
}

std::uint64_t seedFor(KeyShape s, int sweep) {
    return 0x4B6F6D62ULL * 1000003 +
           static_cast<std::uint64_t>(sweep * 1000000 + s.k * 10000 + s.n * 100 + s.m);
}

// Three sweeps over the event counts, each building on neighbouring keys:
//   1. from the most events down: full search, seeded by the key with one event more;
//   2. upwards: seeded by the keys with one event less, searched again where that seed wins;
//   3. downwards again, so that improvements from sweep 2 reach the smaller keys.
// Keys with the same number of events never depend on each other and run in parallel.
std::vector<KeyResult> buildAll(const std::vector<KeyShape>& shapes, const keys::KeyBook& shipped) {
    const std::int64_t laterVisitWork = firstVisitWork / 4;
    std::vector<KeyResult> keys;
    for (KeyShape s : shapes)
        keys.push_back({s, keys::constructKey(s, shipped)});
    auto find = [&](int k, int n, int m) -> const KeyResult* {
        for (const KeyResult& key : keys) {
            if (key.shape == KeyShape{k, n, m}) return &key;
        }
        return nullptr;
    };
    auto wave = [&](int n) {
        std::vector<std::size_t> indices;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].shape.n == n) indices.push_back(i);
        }
        // Largest instances first, so the small ones fill the gaps at the end.
        auto cost = [](KeyShape s) { return keys::binomial(s.n, s.m) * keys::binomial(s.m, s.k); };
        std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
            return cost(keys[a].shape) > cost(keys[b].shape);
        });
        return indices;
    };
    // Searches again from `seed` (a valid key) when it is smaller, or always when `anyway`.
    auto improve = [](KeyResult& key, std::vector<Bet> seed, bool anyway, std::int64_t work, int sweep) {
        seed = keys::withoutRedundantBets(key.shape, std::move(seed));
        if (!anyway && seed.size() >= key.bets.size()) return;
        key.bets = keys::improveKey(key.shape, {key.bets, seed}, {}, {work, 0, seedFor(key.shape, sweep)});
    };
    auto downwards = [&](int sweep) {
        for (int n = kMaxEvents; n >= kMinEvents; --n) {
            runInParallel(wave(n), [&](std::size_t i) {
                const KeyShape s = keys[i].shape;
                std::vector<Bet> seed = keys[i].bets;
                if (const KeyResult* larger = find(s.k, s.n + 1, s.m))
                    seed = keys::dropBusiestEvent(larger->bets, s.n + 1);
                improve(keys[i], seed, sweep == 1, sweep == 1 ? firstVisitWork : laterVisitWork, sweep);
            });
        }
    };

    downwards(1);
    for (int n = kMinEvents + 1; n <= kMaxEvents; ++n) {
        runInParallel(wave(n), [&](std::size_t i) {
            const KeyShape s = keys[i].shape;
            const KeyResult* same = find(s.k, s.n - 1, s.m);
            const KeyResult* oneTipLess = find(s.k - 1, s.n - 1, s.m - 1);
            if (!same || !oneTipLess) return;
            improve(keys[i], keys::extendByEvent(same->bets, oneTipLess->bets, s.n), false, laterVisitWork,
                    2);
        });
    }
    downwards(3);
    return keys;
}

// The valid keys already in the folder, by shape.
keys::KeyBook readKeys(const std::filesystem::path& dir) {
    keys::KeyBook book;
    for (KeyShape s : allShapes()) {
        std::ifstream in(dir / (keys::keyName(s) + ".txt"), std::ios::binary);
        if (!in) continue;
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::optional<std::vector<Bet>> bets = keys::parseKeyFileText(text);
        if (bets && keys::provesGuarantee(s, *bets)) book[s] = *bets;
    }
    return book;
}

int run(const std::filesystem::path& outDir) {
    const auto start = std::chrono::steady_clock::now();
    const keys::KeyBook shipped = readKeys(outDir);
    std::vector<KeyResult> results = buildAll(allShapes(), shipped);

    std::filesystem::create_directories(outDir);
    std::vector<std::string> library;
    bool allValid = true;
    std::printf("%2s %2s %2s %5s %5s %5s %5s\n", "KK", "NN", "MM", "size", "was", "best", "bound");
    for (const KeyResult& r : results) {
        const KeyShape s = r.shape;
        if (static_cast<std::int64_t>(r.bets.size()) >= keys::binomial(s.n, s.k)) continue;  // no saving
        const std::optional<std::int64_t> best = keys::bestKnownSize(s);
        const auto was = shipped.find(s);
        std::printf("%2d %2d %2d %5zu %5s %5s %5lld%s\n", s.k, s.n, s.m, r.bets.size(),
                    was == shipped.end() ? "-" : std::to_string(was->second.size()).c_str(),
                    best ? std::to_string(*best).c_str() : "-", static_cast<long long>(keys::lowerBound(s)),
                    best && static_cast<std::int64_t>(r.bets.size()) > *best ? "  ABOVE BEST KNOWN" : "");
        if (!keys::provesGuarantee(s, r.bets)) {
            std::fprintf(stderr, "error: %s does not guarantee %d\n", keys::keyName(s).c_str(), s.m);
            allValid = false;
            continue;
        }
        writeBinary(outDir / (keys::keyName(s) + ".txt"), keys::keyFileText(r.bets));
        library.push_back(libraryLine(s, r.bets.size()));
    }
    std::sort(library.begin(), library.end());
    std::string libraryBytes;
    for (const std::string& line : library)
        libraryBytes += line;
    writeBinary(outDir / "tippek.inf", libraryBytes);

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu keys written to %s in %.1f s\n", library.size(), outDir.string().c_str(), seconds);
    return allValid ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
    if (args.size() == 3 && args[0] == "--work") firstVisitWork = std::atoll(argv[2]);
    if ((args.size() != 1 && args.size() != 3) || firstVisitWork <= 0) {
        std::fprintf(stderr, "usage: %s [--work N] OUTDIR\n", argc > 0 ? argv[0] : "keygen");
        return 2;
    }
    try {
        return run(std::string(args.back()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "keygen: %s\n", e.what());
        return 1;
    }
}
