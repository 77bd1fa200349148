#include "game/control/replay/replay_seams.h"

#include <algorithm>
#include <utility>

#include "common/ini_text.h"

namespace zelkor {

// ---- the tape --------------------------------------------------------------------

void ReplayTape::Add(ReplayRecord record) {
    if (mode_ == Mode::Record) records_.push_back(std::move(record));
}

const ReplayRecord* ReplayTape::Take(ReplayInput kind) {
    if (finished_ || !divergence_.empty()) return nullptr;
    if (next_ == records_.size()) {
        Diverge(kReplayEndedEarlyText);
        return nullptr;
    }
    if (records_[next_].kind != kind) {
        Diverge(kReplayWentAnotherWayText);
        return nullptr;
    }
    return &records_[next_++];
}

const ReplayRecord* ReplayTape::TakeIf(ReplayInput kind, std::int64_t value) {
    if (finished_ || !divergence_.empty() || next_ == records_.size()) return nullptr;
    const ReplayRecord& r = records_[next_];
    return r.kind == kind && r.value == value ? &records_[next_++] : nullptr;
}

const ReplayRecord* ReplayTape::TakeWindowEvent() {
    if (finished_ || !divergence_.empty() || next_ == records_.size()) return nullptr;
    const ReplayRecord& r = records_[next_];
    if (r.kind != ReplayInput::Window ||
        r.value >= static_cast<std::int64_t>(ReplayWindowEvent::EventCame))
        return nullptr;
    return &records_[next_++];
}

void ReplayTape::Diverge(std::string why) {
    if (finished_ || !divergence_.empty()) return;
    divergence_ = std::move(why);
    if (stop_) stop_();
}

// ---- the services ----------------------------------------------------------------

namespace {

ReplayRecord Answer(ReplayInput kind, std::int64_t value, std::string name = {}) {
    return {kind, value, {}, {}, std::move(name)};
}

class SeamKeyboard final : public Keyboard {
public:
    SeamKeyboard(ReplayTape& tape, Keyboard& inner) : tape_(tape), inner_(inner) {}

    bool DI_Init(KeyboardStartError& error) override {
        return tape_.playing() || inner_.DI_Init(error);
    }
    void DI_Release() override {
        if (!tape_.playing()) inner_.DI_Release();
    }
    void Poll(KeySnapshot& snapshot, KeyPresses& presses) override {
        if (tape_.playing()) {
            snapshot.fill(0);
            if (const ReplayRecord* r = tape_.Take(ReplayInput::Keys)) {
                for (std::uint8_t code : r->held)
                    snapshot[code] = 0x80;
                for (std::uint8_t code : r->presses)
                    presses.Add(code);
            }
            return;
        }
        const std::size_t before = presses.count;
        inner_.Poll(snapshot, presses);
        if (!tape_.recording()) return;
        ReplayRecord r = Answer(ReplayInput::Keys, 0);
        for (std::size_t code = 1; code < snapshot.size(); ++code)
            if (snapshot[code] != 0) r.held.push_back(static_cast<std::uint8_t>(code));
        r.presses.assign(presses.codes.begin() + static_cast<std::ptrdiff_t>(before),
                         presses.codes.begin() + static_cast<std::ptrdiff_t>(presses.count));
        tape_.Add(std::move(r));
    }
    std::string KeyLabel(int code) const override { return inner_.KeyLabel(code); }

private:
    ReplayTape& tape_;
    Keyboard& inner_;
};

// Passes the window's reports on to the game, recording each.
class RecordingSink final : public WindowEventSink {
public:
    RecordingSink(ReplayTape& tape, WindowEventSink& sink) : tape_(tape), sink_(sink) {}
    void WindowClosed() override {
        Note(ReplayWindowEvent::Closed);
        sink_.WindowClosed();
    }
    void Activated(bool active) override {
        Note(active ? ReplayWindowEvent::Activated : ReplayWindowEvent::Deactivated);
        sink_.Activated(active);
    }
    void RunOver() override {
        Note(ReplayWindowEvent::RunOver);
        sink_.RunOver();
    }
    void PictureLost() override {
        Note(ReplayWindowEvent::PictureLost);
        sink_.PictureLost();
    }

private:
    void Note(ReplayWindowEvent event) {
        tape_.Add(Answer(ReplayInput::Window, static_cast<std::int64_t>(event)));
    }
    ReplayTape& tape_;
    WindowEventSink& sink_;
};

class SeamEvents final : public WindowEvents {
public:
    SeamEvents(ReplayTape& tape, WindowEvents& inner, PassClock& clock, bool windowWaits)
        : tape_(tape), inner_(inner), clock_(clock), windowWaits_(windowWaits) {}

    void Pump(WindowEventSink& sink) override {
        if (tape_.playing()) {
            while (const ReplayRecord* r = tape_.TakeWindowEvent())
                Report(static_cast<ReplayWindowEvent>(r->value), sink);
        } else if (tape_.recording()) {
            RecordingSink recording(tape_, sink);
            inner_.Pump(recording);
        } else {
            inner_.Pump(sink);
        }
        clock_.Refresh();
    }
    void Sleep(int ms) override {
        if (!tape_.playing()) inner_.Sleep(ms);
        clock_.Refresh();
    }
    bool Waits() const override { return tape_.playing() ? windowWaits_ : inner_.Waits(); }
    bool WaitForEvent(int ms) override {
        bool came = false;
        if (tape_.playing()) {
            const ReplayRecord* r = tape_.Take(ReplayInput::Window);
            came = r && r->value == static_cast<std::int64_t>(ReplayWindowEvent::EventCame);
            if (r && !came && r->value != static_cast<std::int64_t>(ReplayWindowEvent::NoEventCame))
                tape_.Diverge(kReplayWentAnotherWayText);
        } else {
            came = inner_.WaitForEvent(ms);
            const ReplayWindowEvent answer =
                came ? ReplayWindowEvent::EventCame : ReplayWindowEvent::NoEventCame;
            tape_.Add(Answer(ReplayInput::Window, static_cast<std::int64_t>(answer)));
        }
        clock_.Refresh();
        return came;
    }

private:
    void Report(ReplayWindowEvent event, WindowEventSink& sink) {
        switch (event) {
            case ReplayWindowEvent::Closed:
                sink.WindowClosed();
                break;
            case ReplayWindowEvent::Activated:
            case ReplayWindowEvent::Deactivated:
                sink.Activated(event == ReplayWindowEvent::Activated);
                break;
            case ReplayWindowEvent::PictureLost:
                sink.PictureLost();
                break;
            case ReplayWindowEvent::RunOver:
                tape_.Finish();  // the recorded run ended here
                break;
            default:
                break;
        }
    }
    ReplayTape& tape_;
    WindowEvents& inner_;
    PassClock& clock_;
    bool windowWaits_;
};

// A yes/no answer of a service: recorded, or taken from the tape.
bool Answered(ReplayTape& tape, ReplayInput kind, std::string name,
              const std::function<bool()>& ask) {
    if (!tape.playing()) {
        const bool answer = ask();
        tape.Add(Answer(kind, answer ? 1 : 0, std::move(name)));
        return answer;
    }
    ask();  // the played run's own service still follows the game
    const ReplayRecord* r = tape.Take(kind);
    if (r && r->name != name) tape.Diverge(kReplayWentAnotherWayText);
    return r && r->value == 1;
}

class SeamSound final : public SoundDevice {
public:
    SeamSound(ReplayTape& tape, SoundDevice& inner) : tape_(tape), inner_(inner) {}
    bool Open() override {
        return Answered(tape_, ReplayInput::SoundReady, {}, [this] { return inner_.Open(); });
    }
    bool CreateBuffer(int entry, const std::filesystem::path& file) override {
        return Answered(tape_, ReplayInput::SoundLoad, file.filename().string(),
                        [&] { return inner_.CreateBuffer(entry, file); });
    }
    void ReleaseBuffers() override { inner_.ReleaseBuffers(); }
    void Play(int entry, int balance, int volume) override { inner_.Play(entry, balance, volume); }

private:
    ReplayTape& tape_;
    SoundDevice& inner_;
};

class SeamMusic final : public MusicPlayer {
public:
    SeamMusic(ReplayTape& tape, MusicPlayer& inner) : tape_(tape), inner_(inner) {}
    bool Load(const std::filesystem::path& file) override {
        return Ask(ReplayMusicQuestion::Load, [&] { return inner_.Load(file); });
    }
    bool Play(double seconds) override {
        return Ask(ReplayMusicQuestion::Play, [&] { return inner_.Play(seconds); });
    }
    void Stop() override { inner_.Stop(); }
    // Asked once a game frame: only the frame whose track ended is recorded (a played frame
    // finds that answer next on the tape), which keeps a pass of the loop at two bytes.
    bool Ended() override {
        const bool ended = inner_.Ended();
        const std::int64_t answer = MusicAnswer(ReplayMusicQuestion::Ended, true);
        if (tape_.playing()) return tape_.TakeIf(ReplayInput::Music, answer) != nullptr;
        if (ended) tape_.Add(Answer(ReplayInput::Music, answer));
        return ended;
    }
    void SetVolume(int hundredths) override { inner_.SetVolume(hundredths); }

private:
    bool Ask(ReplayMusicQuestion question, const std::function<bool()>& ask) {
        const bool answer = ask();
        if (!tape_.playing()) {
            tape_.Add(Answer(ReplayInput::Music, MusicAnswer(question, answer)));
            return answer;
        }
        const ReplayRecord* r = tape_.Take(ReplayInput::Music);
        if (r && r->value / 2 != static_cast<std::int64_t>(question))
            tape_.Diverge(kReplayWentAnotherWayText);
        return r && r->value == MusicAnswer(question, true);
    }
    ReplayTape& tape_;
    MusicPlayer& inner_;
};

class SeamMessageBox final : public MessageBoxService {
public:
    SeamMessageBox(ReplayTape& tape, MessageBoxService& inner) : tape_(tape), inner_(inner) {}
    MessageAnswer Show(MessageIcon icon, std::string_view title, std::string_view text,
                       MessageButtons buttons) override {
        if (!tape_.playing()) {
            const MessageAnswer answer = inner_.Show(icon, title, text, buttons);
            tape_.Add(Answer(ReplayInput::MessageBox, static_cast<std::int64_t>(answer)));
            return answer;
        }
        const ReplayRecord* r = tape_.Take(ReplayInput::MessageBox);
        if (r && r->value <= static_cast<std::int64_t>(MessageAnswer::No))
            return static_cast<MessageAnswer>(r->value);
        if (r) tape_.Diverge(kReplayWentAnotherWayText);
        return DefaultAnswer(buttons);
    }

private:
    ReplayTape& tape_;
    MessageBoxService& inner_;
};

class SeamArchiveReaders final : public ArchiveReaderFactory {
public:
    explicit SeamArchiveReaders(ArchiveReaderFactory& inner) : inner_(inner) {}
    std::unique_ptr<ArchiveReader> ReaderFor(const std::filesystem::path& archive) override {
        std::unique_ptr<ArchiveReader> reader = inner_.ReaderFor(archive);
        if (reader && opened_) opened_(archive);
        return reader;
    }
    std::function<void(const std::filesystem::path&)> opened_;

private:
    ArchiveReaderFactory& inner_;
};

}  // namespace

struct ReplaySeams::Wrappers {
    SeamKeyboard keyboard;
    SeamEvents events;
    SeamSound sound;
    SeamMusic music;
    SeamMessageBox messageBox;
    SeamArchiveReaders archiveReaders;
};

namespace {

std::function<std::int64_t()> ClockSource(ReplayTape& tape, Clock& inner) {
    return [tape = &tape, inner = &inner, last = std::int64_t{0}]() mutable {
        if (tape->playing()) {
            if (const ReplayRecord* r = tape->Take(ReplayInput::Clock)) last = r->value;
            return last;
        }
        last = inner->NowMs();
        tape->Add(Answer(ReplayInput::Clock, last));
        return last;
    };
}

}  // namespace

ReplaySeams::ReplaySeams(ReplayTape& tape, const Inner& inner, bool windowWaits)
    : clock_(ClockSource(tape, inner.clock)),
      wrappers_(std::make_unique<Wrappers>(Wrappers{
          SeamKeyboard(tape, inner.keyboard), SeamEvents(tape, inner.events, clock_, windowWaits),
          SeamSound(tape, inner.sound), SeamMusic(tape, inner.music),
          SeamMessageBox(tape, inner.messageBox), SeamArchiveReaders(inner.archiveReaders)})) {}

ReplaySeams::~ReplaySeams() = default;

Keyboard& ReplaySeams::keyboard() {
    return wrappers_->keyboard;
}
WindowEvents& ReplaySeams::events() {
    return wrappers_->events;
}
SoundDevice& ReplaySeams::sound() {
    return wrappers_->sound;
}
MusicPlayer& ReplaySeams::music() {
    return wrappers_->music;
}
MessageBoxService& ReplaySeams::messageBox() {
    return wrappers_->messageBox;
}
ArchiveReaderFactory& ReplaySeams::archiveReaders() {
    return wrappers_->archiveReaders;
}
void ReplaySeams::OnArchiveOpened(std::function<void(const std::filesystem::path&)> opened) {
    wrappers_->archiveReaders.opened_ = std::move(opened);
}

// ---- the settings ----------------------------------------------------------------

namespace {

std::string KnownKey(std::string_view section, std::string_view key) {
    return LowerAscii(section) + '\n' + LowerAscii(key);
}

}  // namespace

std::optional<std::string> RecordingSettings::Read(std::string_view section, std::string_view key) {
    std::optional<std::string> value = inner_.Read(section, key);
    const std::string known = KnownKey(section, key);
    for (Log* log : {&sinceStart_, &sinceMark_, &sinceGameStart_})
        if (log->known.insert(known).second)
            log->seen.push_back({std::string(section), std::string(key), value});
    return value;
}

bool RecordingSettings::WriteBatch(std::span<const SettingsEntry> entries) {
    for (const SettingsEntry& e : entries) {
        const std::string known = KnownKey(e.section, e.key);
        for (Log* log : {&sinceStart_, &sinceMark_, &sinceGameStart_})
            log->known.insert(known);
    }
    return inner_.WriteBatch(entries);
}

std::string RecordingSettings::Text(Since since) const {
    const std::vector<Seen>& seen =
        since == Since::GameStart ? sinceGameStart_.seen : sinceStart_.seen;
    // One heading per section, in the order first read, each with its keys in that order.
    std::vector<std::string> sections;
    for (const Seen& s : seen)
        if (s.value &&
            std::find(sections.begin(), sections.end(), LowerAscii(s.section)) == sections.end())
            sections.push_back(LowerAscii(s.section));
    std::string text;
    for (const std::string& section : sections) {
        bool first = true;
        for (const Seen& s : seen) {
            if (!s.value || LowerAscii(s.section) != section) continue;
            if (std::exchange(first, false)) text += "[" + s.section + "]\n";
            text += s.key + "=" + *s.value + "\n";
        }
    }
    return text;
}

std::unique_ptr<SettingsStore> SettingsFromText(std::string_view text) {
    auto store = std::make_unique<MemorySettingsStore>();
    std::vector<SettingsEntry> entries;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.starts_with('[') && line.ends_with(']')) {
            section = line.substr(1, line.size() - 2);
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            entries.push_back(
                {section, std::string(line.substr(0, eq)), std::string(line.substr(eq + 1))});
        }
    }
    store->WriteBatch(entries);
    return store;
}

}  // namespace zelkor
