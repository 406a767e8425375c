// The read and program transfers, built from the clone protocol: prove the
// radio is ready and is the model, product and destination the session is
// set up for, then move the memory in 16-byte steps. A read is all or
// nothing: the session changes only when every block arrived.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/clone_link.h"
#include "link/link_texts.h"
#include "model/session.h"

namespace kv {

// What the program transfer writes in the step of block address a: whole
// blocks, single bytes, or nothing.
std::vector<Span> ProgramWrites(const RadioSession& session, int block);
// Every address the program transfer writes, in order.
std::vector<int> ProgrammedAddresses(const RadioSession& session);
// How many write steps (whole blocks and single bytes) the program transfer makes.
int ProgramBlockCount(const RadioSession& session);
// The block start addresses a read fetches.
std::vector<int> ReadBlocks(int lastAddress);

// What the program transfer puts in the radio's own bytes: its byte 90 and
// one bit of the selection byte as the radio holds them, and the program mark.
void TakeRadioOwnBytes(RadioImage& image, uint8_t radioOwnByte, uint8_t radioSelection);
// The write steps of a program transfer of `image` (its radio's own bytes
// taken) in the table's order: with `radio`, what the radio holds, only the
// steps whose bytes it does not hold already; without, every step.
std::vector<Span> ProgramSteps(const RadioSession& session, const RadioImage& image, const std::vector<uint8_t>* radio);
// The 16-byte blocks that hold these steps, in order, each once: what a
// read-back of them asks for.
std::vector<int> BlocksOf(const std::vector<Span>& steps);

class TransferRunner {
public:
    TransferRunner(CloneLink& link, RadioSession& session) : link_(link), s_(session), state_(link.state()) {}

    // The OK button: connect, then the transfer of state().TransferMode.
    TransferOutcome Run();

    void ReadTransfer();
    void ProgramTransfer();
    void ReadDataChkModel(const std::string& title);

    // The pieces of a transfer, for callers that run several in one
    // connection (a program with its backup and verify): Connect, then
    // OpenTransfer (status and model check), any reads and writes, End.
    // False when the transfer ended there (End tells the outcome).
    bool Connect();
    bool OpenTransfer(const std::string& title);
    // The narrowband question and the encoding of the settings into the
    // image; false when the user declined.
    bool PrepareProgram();
    // Reads `blocks` (every block of a read when none) into buffer, which
    // starts as a copy of the image; the port stays open after a success
    // unless `last`.
    bool ReadData(std::vector<uint8_t>& buffer, std::vector<int> blocks = {}, bool last = true);
    // Writes the program table; with `radio` (what the radio held when it was
    // read in this connection) only the steps whose bytes it does not hold,
    // unless `everyStep`. Nothing is written when the radio's own bytes are
    // not what it held.
    bool WriteData(const std::vector<uint8_t>* radio = nullptr, bool everyStep = false, bool last = true);
    // Closes the port, tells what went wrong, gives the outcome.
    TransferOutcome End();

    // Write steps the radio may hold after the last program transfer: those
    // it acknowledged and one whose answer was lost; of the steps it set out to write.
    int blocksWritten() const { return blocksWritten_; }
    int blocksPlanned() const { return blocksPlanned_; }
    // The steps the last write sent, in order.
    const std::vector<Span>& written() const { return written_; }
    // The radio held other bytes of its own than it did when it was read: nothing was written.
    bool radioChanged() const { return radioChanged_; }

private:
    void ReadIdentification(std::vector<uint8_t>& check);
    // Model, product, destination and region of the radio against the session.
    void CheckIdentity(const std::vector<uint8_t>& check, const std::string& title);
    // percent from the block address, as the bar has always shown it; the
    // step count of the loop for the time left.
    void Progress(int address, size_t done, size_t total);
    TransferOutcome Outcome() const;
    // After a transfer that did not complete: what went wrong with the port,
    // and what a broken write left in the radio.
    void TellTrouble(TransferOutcome outcome);

    CloneLink& link_;
    RadioSession& s_;
    TransferState& state_;
    int blocksWritten_ = 0;
    int blocksPlanned_ = 0;
    bool writeBroke_ = false;
    bool connected_ = false;
    bool radioChanged_ = false;
    std::vector<Span> written_;
};


}  // namespace kv
