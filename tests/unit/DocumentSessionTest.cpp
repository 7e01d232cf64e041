#include "language/DocumentSession.h"

#include "core/SettingsStore.h"
#include "document/FileReader.h"
#include "language/Completion.h"
#include "language/Hover.h"
#include "language/Outline.h"
#include "language/QuickFixes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace kvf::language {
namespace {

// A wait that is over means "it hangs", never a measure of speed.
constexpr auto kHangs = std::chrono::minutes(2);

using Texts = std::vector<std::string>;

// An analysis whose end the test decides: it says when it starts, and the one of "first"
// holds until the test lets it go.
class HeldAnalysis {
  public:
    std::shared_ptr<const Analysis> operator()(std::shared_ptr<const std::string> text,
                                               const std::string&, const std::string&,
                                               const CheckSettings&) {
        std::unique_lock lock(mutex_);
        checked_.push_back(*text);
        changed_.notify_all();
        changed_.wait(lock, [&] { return released_ || *text != "first"; });
        return std::make_shared<const Analysis>(std::move(text));
    }
    void WaitUntilChecking(const std::string& text) {
        std::unique_lock lock(mutex_);
        EXPECT_TRUE(changed_.wait_for(lock, kHangs, [&] {
            return std::find(checked_.begin(), checked_.end(), text) != checked_.end();
        }));
    }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    Texts Checked() {
        std::lock_guard lock(mutex_);
        return checked_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    Texts checked_;
    bool released_ = false;
};

// What a session publishes, from the pool's threads: "version N".
struct Published {
    std::mutex mutex;
    std::condition_variable arrived;
    Texts messages;

    DocumentSession::Publish Into() {
        return [this](std::uint64_t version, const Analysis&) {
            return CheckScheduler::Deliver([this, version] {
                std::lock_guard lock(mutex);
                messages.push_back("version " + std::to_string(version));
                arrived.notify_all();
            });
        };
    }
    bool WaitFor(std::size_t count) {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, kHangs, [&] { return messages.size() >= count; });
    }
};

struct Settings {
    Settings() {
        auto made = std::make_shared<CheckSettings>();
        made->Settings = &store;
        check = std::move(made);
    }
    MemorySettingsStore store;
    SharedCheckSettings check;
};

std::shared_ptr<const std::string> Text(std::string text) {
    return std::make_shared<const std::string>(std::move(text));
}

// A version submitted while an older one runs: the older one's result is dropped. Versions
// submitted while one waits replace it: only the newest of them is checked.
TEST(DocumentSession, OnlyTheLatestVersionIsPublished) {
    Settings settings;
    for (int waiting : {1, 3}) {
        ThreadPoolExecutor pool(2);
        HeldAnalysis held;
        Published sent;
        {
            DocumentSession session(pool, sent.Into(), nullptr, std::ref(held));
            session.Update(1, Text("first"), "dev.kvf", "", settings.check);
            held.WaitUntilChecking("first");
            for (int v = 2; v < 2 + waiting; ++v)
                session.Update(v, Text("version " + std::to_string(v)), "dev.kvf", "",
                               settings.check);
            held.Release();
            EXPECT_TRUE(sent.WaitFor(1));
        }
        const std::string latest = "version " + std::to_string(1 + waiting);
        EXPECT_EQ(sent.messages, Texts{latest}) << waiting << " waiting";
        EXPECT_EQ(held.Checked(), (Texts{"first", latest})) << waiting << " waiting";
    }
}

// A version submitted while the message of an older one is being made: that message is made
// in vain and not sent, the newer version's is.
TEST(DocumentSession, AResultReplacedWhileItsMessageIsMadeIsNotSent) {
    Settings settings;
    ThreadPoolExecutor pool(2);
    std::mutex mutex;
    std::condition_variable changed;
    bool rendering = false;
    bool released = false;
    Published sent;
    auto publish = [&](std::uint64_t version, const Analysis& analysis) {
        if (version == 1) {
            std::unique_lock lock(mutex);
            rendering = true;
            changed.notify_all();
            changed.wait(lock, [&] { return released; });
        }
        return sent.Into()(version, analysis);
    };
    {
        DocumentSession session(pool, publish);
        session.Update(1, Text("one"), "a.kvf", "", settings.check);
        {
            std::unique_lock lock(mutex);
            EXPECT_TRUE(changed.wait_for(lock, kHangs, [&] { return rendering; }));
        }
        session.Update(2, Text("two"), "a.kvf", "", settings.check);
        {
            std::lock_guard lock(mutex);
            released = true;
        }
        changed.notify_all();
        EXPECT_TRUE(sent.WaitFor(1));
    }
    EXPECT_EQ(sent.messages, Texts{"version 2"});
}

// Documents share the pool's threads. A document closed while its check still waits for a
// thread goes at once, and sends nothing; the others are not held up by it.
TEST(DocumentSession, ADocumentClosedWhileItWaitsForAThreadSendsNothing) {
    Settings settings;
    ThreadPoolExecutor pool(1);
    HeldAnalysis held;
    Published first;
    Published second;
    DocumentSession busy(pool, first.Into(), nullptr, std::ref(held));
    busy.Update(1, Text("first"), "a.kvf", "", settings.check);
    held.WaitUntilChecking("first"); // the pool's one thread is busy
    {
        DocumentSession closed(pool, second.Into(), nullptr, std::ref(held));
        closed.Update(7, Text("queued"), "b.kvf", "", settings.check);
    } // gone without waiting for a thread
    DocumentSession third(pool, second.Into(), nullptr, std::ref(held));
    third.Update(9, Text("third"), "c.kvf", "", settings.check);
    held.Release();
    EXPECT_TRUE(first.WaitFor(1));
    EXPECT_TRUE(second.WaitFor(1));
    EXPECT_EQ(first.messages, Texts{"version 1"});
    EXPECT_EQ(second.messages, Texts{"version 9"});
    EXPECT_EQ(held.Checked(), (Texts{"first", "third"}));
}

constexpr const char* kDevice = "#TALVERON_DP\n"
                                "KVF_Revision = 1\n"
                                "Vendor_Name = \"ACME\"\n"
                                "Bogus_Key = 1\n"
                                "Module = \"In 4\" 0x13\n"
                                "EndModule\n";

// Every service of one version reads the one analysis its check made: the text is parsed
// once per version, whoever asks first, on an executor without threads.
TEST(DocumentSession, EveryServiceOfAVersionReadsOneParse) {
    Settings settings;
    DrainedExecutor executor;
    Published sent;
    DocumentSession session(executor, sent.Into());
    for (std::uint64_t version : {1u, 2u, 3u}) {
        const std::uint64_t before = DatabaseBuilds();
        session.Update(version, Text(kDevice + std::string(version, '\n')), "dev.kvf", "",
                       settings.check);
        // A request before the check ran makes the analysis; the check then takes it.
        std::shared_ptr<const Analysis> analysis = session.Current();
        ASSERT_TRUE(analysis);
        HoverAt(analysis->Read, *settings.check, {3, 1});
        HoverAt(analysis->Read, *settings.check, {4, 12});
        CompleteAt(analysis->Read, *settings.check, {5, 0});
        BuildOutline(analysis->Read);
        for (const Diagnostic& finding : analysis->Outcome.Diagnostics)
            FixesFor(analysis->Read, finding);
        executor.Drain();
        EXPECT_EQ(session.Current(), analysis);
        EXPECT_EQ(DatabaseBuilds() - before, 1u) << "version " << version;
    }
    EXPECT_EQ(sent.messages, (Texts{"version 1", "version 2", "version 3"}));
}

// The check's analysis holds the same database a build alone makes: what the services read
// of a version does not depend on who read it first.
TEST(DocumentSession, TheCheckedDatabaseIsTheBuiltOne) {
    Settings settings;
    std::shared_ptr<const Analysis> checked =
        Analyse(Text(kDevice), "dev.kvf", "", *settings.check);
    SnapshotDatabase built(Snapshot{kDevice, "dev.kvf", ""}, *settings.check);
    EXPECT_EQ(checked->Read.Database().Count(), built.Database().Count());
    EXPECT_FALSE(checked->Outcome.Diagnostics.empty());
    const Outline a = BuildOutline(checked->Read);
    const Outline b = BuildOutline(built);
    ASSERT_EQ(a.Symbols.size(), b.Symbols.size());
    for (std::size_t i = 0; i < a.Symbols.size(); ++i)
        EXPECT_EQ(a.Symbols[i].Name, b.Symbols[i].Name);
}

} // namespace
} // namespace kvf::language
