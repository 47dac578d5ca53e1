// The order of what is said: a recording voice shows what reaches the synthesizer and when.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "speech_queue.h"

namespace {

struct RecordingVoice : speech::Voice {
  std::vector<std::string>* log;
  explicit RecordingVoice(std::vector<std::string>* to) : log(to) {}
  void Say(const std::string& text) override { log->push_back(text); }
  void Stop() override { log->push_back("(stop)"); }
};

// Runs steps on a queue: "say X", "turn X Y Z" (in turn), "stop", "done" (the voice finished).
std::vector<std::string> Played(const std::vector<std::string>& steps) {
  std::vector<std::string> log;
  RecordingVoice voice(&log);
  speech::SpeechQueue queue(voice);
  for (const std::string& step : steps) {
    std::istringstream words(step);
    std::string verb;
    words >> verb;
    std::vector<std::string> texts;
    for (std::string text; words >> text;) texts.push_back(text);
    if (verb == "say") queue.Say(texts.empty() ? std::string() : texts[0]);
    if (verb == "turn") queue.SayInTurn(texts);
    if (verb == "stop") queue.Stop();
    if (verb == "done") queue.VoiceFinished();
  }
  return log;
}

TEST(SpeechQueue, NewestReplacesWhatWaits) {
  struct Row {
    const char* what;
    std::vector<std::string> steps;
    std::vector<std::string> said;
  };
  const Row rows[] = {
      {"a free voice speaks at once", {"say a"}, {"a"}},
      {"only the newest of those typed meanwhile is said",
       {"say a", "say b", "say c", "say d", "done", "done"},
       {"a", "d"}},
      {"nothing waits once the newest is said", {"say a", "say b", "done", "done", "done"}, {"a", "b"}},
      {"tape lines follow each other", {"turn x y z", "done", "done", "done"}, {"x", "y", "z"}},
      {"a key's result replaces the rest of the tape", {"turn x y z", "say r", "done", "done"}, {"x", "r"}},
      {"stop cuts short once and forgets what waits", {"turn x y z", "stop", "stop", "done", "done"}, {"x", "(stop)"}},
      {"what comes after a stop waits for the cut-short text",
       {"say a", "stop", "say b", "done", "done"},
       {"a", "(stop)", "b"}},
      {"stop with nothing said does nothing", {"stop", "say a"}, {"a"}},
      {"empty texts are not said", {"say", "turn", "say a"}, {"a"}},
  };
  for (const Row& row : rows) EXPECT_EQ(Played(row.steps), row.said) << row.what;
}

}  // namespace
