// The interface between the server's sockets and what it plays: a script or a generated match.
#pragma once

#include <string>

// The ways a game reaches the clients; implemented by the server.
class GameOutput {
 public:
  virtual ~GameOutput() = default;
  // Sends text to every client whose eye is on.
  virtual void sendView(const std::string& text) = 0;
  // Sends a referee announcement (or any other hear text) to every client.
  virtual void sendHear(const std::string& text) = 0;
  // True while a trainer is connected, so the game waits for its "(start)" at half time.
  virtual bool trainerConnected() const = 0;
};

// A game played one cycle at a time.
class GameSource {
 public:
  virtual ~GameSource() = default;
  // Called once when the game begins, with the team names of the two sides.
  virtual void begin(const std::string& leftName, const std::string& rightName) = 0;
  // Plays one cycle: sends what the cycle produces through out.
  virtual void step(GameOutput& out) = 0;
  // True when nothing is left to play.
  virtual bool finished() const = 0;
  // The current cycle, by which received datagrams are logged.
  virtual int cycle() const = 0;
  // True while the play mode is play_on (messages then count against the coach's quota).
  virtual bool playOn() const = 0;
  // A trainer's "(start)": resumes a game that waits at half time.
  virtual void trainerStart() {}
};
