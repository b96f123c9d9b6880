#include "cli/grade_batch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <thread>

#include "core/texts/translate.h"
#include "scenario/scenario_session.h"
#include "scenario/scenario_speed.h"

namespace cli {

using namespace scenario;

namespace fs = std::filesystem;

namespace {
using Clock = std::chrono::steady_clock;

// The longest field a child may send; anything longer is not a report.
constexpr size_t kMaxField = 1 << 24;

std::string Netstring(const std::string& text) {
    return std::to_string(text.size()) + ":" + text + ",";
}

enum class EField { Complete, Partial, Malformed };

EField TakeField(const std::string& buffer, size_t* at, std::string* field) {
    size_t colon = *at;
    while (colon < buffer.size() && colon - *at < 10 && buffer[colon] >= '0' &&
           buffer[colon] <= '9') {
        ++colon;
    }
    if (colon == buffer.size()) return EField::Partial;
    if (colon == *at || buffer[colon] != ':') return EField::Malformed;
    const size_t length = std::stoul(buffer.substr(*at, colon - *at));
    if (length > kMaxField) return EField::Malformed;
    if (buffer.size() < colon + 1 + length + 1) return EField::Partial;
    if (buffer[colon + 1 + length] != ',') return EField::Malformed;
    *field = buffer.substr(colon + 1, length);
    *at = colon + 1 + length + 1;
    return EField::Complete;
}

bool HasExtension(const std::string& path, const char* extension) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return ext == extension;
}

std::string Stem(const std::string& path) {
    return fs::path(path).stem().string();
}

// A submission's name without the trailing separator a folder may carry.
std::string SubmissionName(std::string name) {
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    return name;
}

std::string VcdPath(const SGradeOptions& options, const std::string& submission,
                    const SScenario& scenario) {
    if (options.vcdFolder.empty()) return {};
    std::string name = SubmissionName(submission);
    std::replace(name.begin(), name.end(), '/', '_');
    return (fs::path(options.vcdFolder) / (name + "." + Stem(scenario.file) + ".vcd")).string();
}

// What runs in the child: the scenarios from `first` on, each reported as
// soon as it is done. What the assembler and loader print is kept and sent
// along with a load failure.
[[noreturn]] void ChildMain(int out, const std::vector<SScenario>& scenarios,
                            const std::string& submission, const std::string& program, size_t first,
                            const SGradeOptions& options) {
    std::FILE* errors = std::tmpfile();
    if (errors) ::dup2(::fileno(errors), STDERR_FILENO);
    const int devNull = ::open("/dev/null", O_RDWR);
    ::dup2(devNull, STDIN_FILENO);
    ::dup2(devNull, STDOUT_FILENO);
    CScenarioSession session;
    for (size_t i = first; i < scenarios.size(); ++i) {
        const off_t before = ::lseek(STDERR_FILENO, 0, SEEK_CUR);
        const std::string vcd = VcdPath(options, submission, scenarios[i]);
        const SScenarioReport report =
            options.models
                ? PlayAgainstModel(session, scenarios[i], program, (*options.models)[i], vcd)
                : session.Play(scenarios[i], program, vcd);
        SCaseSummary summary = Summarize(report);
        const off_t after = ::lseek(STDERR_FILENO, 0, SEEK_CUR);
        if (!report.loaded && before >= 0 && after > before) {
            std::string said(static_cast<size_t>(after - before), '\0');
            if (::pread(STDERR_FILENO, said.data(), said.size(), before) > 0) {
                summary.details += said;
            }
        }
        const std::string record = EncodeCase(static_cast<int>(i), summary);
        for (size_t sent = 0; sent < record.size();) {
            const ssize_t n = ::write(out, record.data() + sent, record.size() - sent);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) ::_exit(1);
            sent += static_cast<size_t>(n);
        }
    }
    ::_exit(0);
}

struct SChild {
    pid_t pid = -1;
    int fd = -1;
    size_t submission = 0;
    size_t current = 0;  // the scenario it works on
    Clock::time_point started;
    std::string buffer;
};

class CBatch {
public:
    CBatch(const std::vector<SScenario>& scenarios, const std::vector<std::string>& submissions,
           const SGradeOptions& options)
        : m_scenarios(scenarios), m_submissions(submissions), m_options(options) {}

    std::vector<SSubmissionResult> Run();

private:
    void Start(size_t submission, size_t first);
    // Reads what the child sent; false once it has closed its end.
    bool Read(SChild& child);
    void Fail(size_t submission, size_t scenario, const std::string& failure);
    // Ends a child for good; the scenario it was in the middle of fails
    // with the reason, and the submission goes on with the next one.
    void Bury(SChild& child, const std::string& reason, bool kill);
    double BoundSeconds(size_t scenario) const;
    Clock::duration Bound(size_t scenario) const {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(BoundSeconds(scenario)));
    }

    const std::vector<SScenario>& m_scenarios;
    const std::vector<std::string>& m_submissions;
    const SGradeOptions& m_options;
    std::vector<SSubmissionResult> m_results;
    std::deque<std::pair<size_t, size_t>> m_queue;  // submission, first scenario
    std::vector<SChild> m_children;
};

double CBatch::BoundSeconds(size_t scenario) const {
    if (m_options.timeoutSeconds > 0) return m_options.timeoutSeconds;
    return WallClockBound(m_scenarios[scenario].limit, m_options.cyclesPerSecond, m_options.jobs,
                          static_cast<int>(std::thread::hardware_concurrency()));
}

void CBatch::Fail(size_t submission, size_t scenario, const std::string& failure) {
    SCaseSummary& c = m_results[submission].cases[scenario];
    c.passed = false;
    c.earned = 0;
    c.failure = failure;
    c.details = failure + "\n";
}

void CBatch::Start(size_t submission, size_t first) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        Fail(
            submission, first,
            core::Fill(core::Tr("cev za proces se ne moze napraviti: %1"), {std::strerror(errno)}));
        if (first + 1 < m_scenarios.size()) m_queue.emplace_back(submission, first + 1);
        return;
    }
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Its own process group, so that a kill reaches an assembler it
        // started, too.
        ::setpgid(0, 0);
        ::close(fds[0]);
        ChildMain(fds[1], m_scenarios, m_submissions[submission], m_results[submission].program,
                  first, m_options);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        Fail(submission, first,
             core::Fill(core::Tr("proces se ne moze pokrenuti: %1"), {std::strerror(errno)}));
        if (first + 1 < m_scenarios.size()) m_queue.emplace_back(submission, first + 1);
        return;
    }
    ::setpgid(pid, pid);
    SChild child;
    child.pid = pid;
    child.fd = fds[0];
    child.submission = submission;
    child.current = first;
    child.started = Clock::now();
    m_children.push_back(std::move(child));
}

bool CBatch::Read(SChild& child) {
    char chunk[65536];
    const ssize_t n = ::read(child.fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) return true;
    if (n <= 0) return false;
    child.buffer.append(chunk, static_cast<size_t>(n));
    int index = 0;
    SCaseSummary summary;
    bool malformed = false;
    while (DecodeCase(&child.buffer, &index, &summary, &malformed)) {
        if (index < 0 || static_cast<size_t>(index) != child.current) {
            malformed = true;
            break;
        }
        summary.name = m_scenarios[child.current].name;
        summary.points = m_scenarios[child.current].points;
        m_results[child.submission].cases[child.current] = summary;
        ++child.current;
        child.started = Clock::now();
    }
    return !malformed;
}

void CBatch::Bury(SChild& child, const std::string& reason, bool kill) {
    if (kill) ::kill(-child.pid, SIGKILL);
    ::close(child.fd);
    int status = 0;
    while (::waitpid(child.pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (child.current >= m_scenarios.size()) return;
    std::string why = reason;
    if (why.empty()) {
        if (WIFSIGNALED(status)) {
            why = core::Fill(core::Tr("simulacija je prekinuta signalom %1"),
                             {std::to_string(WTERMSIG(status))});
        } else {
            why = core::Fill(core::Tr("simulacija je zavrsila bez izvestaja (status %1)"),
                             {std::to_string(WEXITSTATUS(status))});
        }
    }
    Fail(child.submission, child.current, why);
    if (child.current + 1 < m_scenarios.size()) {
        m_queue.emplace_back(child.submission, child.current + 1);
    }
}

std::vector<SSubmissionResult> CBatch::Run() {
    for (size_t s = 0; s < m_submissions.size(); ++s) {
        SSubmissionResult& result = m_results.emplace_back();
        result.name = SubmissionName(m_submissions[s]);
        result.cases.resize(m_scenarios.size());
        for (size_t i = 0; i < m_scenarios.size(); ++i) {
            result.cases[i].name = m_scenarios[i].name;
            result.cases[i].points = m_scenarios[i].points;
        }
        std::string failure;
        if (!FindSubmissionProgram(m_submissions[s], &result.program, &failure)) {
            for (size_t i = 0; i < m_scenarios.size(); ++i) Fail(s, i, failure);
        } else if (!m_scenarios.empty()) {
            m_queue.emplace_back(s, 0);
        }
    }

    const size_t jobs = static_cast<size_t>(std::max(1, m_options.jobs));
    while (!m_queue.empty() || !m_children.empty()) {
        while (m_children.size() < jobs && !m_queue.empty()) {
            const auto [submission, first] = m_queue.front();
            m_queue.pop_front();
            Start(submission, first);
        }
        if (m_children.empty()) continue;

        std::vector<pollfd> fds;
        Clock::time_point nearest = Clock::time_point::max();
        for (const SChild& child : m_children) {
            fds.push_back({child.fd, POLLIN, 0});
            if (child.current < m_scenarios.size()) {
                nearest = std::min(nearest, child.started + Bound(child.current));
            }
        }
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(nearest - Clock::now());
        const int timeout = static_cast<int>(std::clamp<long long>(wait.count() + 1, 0, 60'000));
        if (::poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) break;

        const Clock::time_point now = Clock::now();
        std::vector<SChild> running;
        for (size_t i = 0; i < m_children.size(); ++i) {
            SChild& child = m_children[i];
            if (fds[i].revents != 0 && !Read(child)) {
                Bury(child, {}, true);
            } else if (child.current < m_scenarios.size() &&
                       now - child.started > Bound(child.current)) {
                char bound[64];
                std::snprintf(bound, sizeof bound, "%.0f", BoundSeconds(child.current));
                Bury(child,
                     core::Fill(core::Tr("prekoracena vremenska granica od %1 s po scenariju"),
                                {bound}),
                     true);
            } else {
                running.push_back(std::move(child));
            }
        }
        m_children = std::move(running);
    }

    for (SSubmissionResult& result : m_results) {
        for (const SCaseSummary& c : result.cases) result.earned += c.earned;
    }
    return m_results;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

std::string Padded(const std::string& text, size_t width) {
    return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}
}  // namespace

bool FindSubmissionProgram(const std::string& submission, std::string* program,
                           std::string* failure) {
    std::error_code error;
    if (fs::is_directory(submission, error)) {
        std::vector<std::string> sources;
        for (const auto& entry : fs::directory_iterator(submission, error)) {
            if (entry.is_regular_file(error) && HasExtension(entry.path().string(), ".asm")) {
                sources.push_back(entry.path().string());
            }
        }
        if (sources.size() != 1) {
            *failure = sources.empty() ? core::Tr("u folderu nema .asm datoteke")
                                       : core::Tr("u folderu ima vise .asm datoteka");
            return false;
        }
        *program = sources.front();
        return true;
    }
    if (!fs::is_regular_file(submission, error)) {
        *failure = core::Tr("predaja ne postoji ili nije datoteka ni folder");
        return false;
    }
    if (!HasExtension(submission, ".asm") && !HasExtension(submission, ".obj") &&
        !HasExtension(submission, ".hex")) {
        *failure =
            core::Tr("predaja mora biti .asm, .obj ili .hex datoteka ili folder sa .asm datotekom");
        return false;
    }
    *program = submission;
    return true;
}

std::vector<SSubmissionResult> GradeBatch(const std::vector<SScenario>& scenarios,
                                          const std::vector<std::string>& submissions,
                                          const SGradeOptions& options) {
    return CBatch(scenarios, submissions, options).Run();
}

std::string EncodeCase(int index, const SCaseSummary& summary) {
    std::string notes;
    for (const std::string& note : summary.notes) notes += note + "\n";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.6f", summary.seconds);
    return Netstring(std::to_string(index)) + Netstring(summary.passed ? "1" : "0") +
           Netstring(std::to_string(summary.earned)) + Netstring(seconds) +
           Netstring(summary.failure) + Netstring(summary.details) + Netstring(notes);
}

bool DecodeCase(std::string* buffer, int* index, SCaseSummary* summary, bool* malformed) {
    size_t at = 0;
    std::string fields[7];
    for (std::string& field : fields) {
        const EField got = TakeField(*buffer, &at, &field);
        if (got == EField::Partial) return false;
        if (got == EField::Malformed) {
            *malformed = true;
            return false;
        }
    }
    buffer->erase(0, at);
    const auto numeric = [](const std::string& field) {
        return !field.empty() && field.size() < 9 &&
               field.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!numeric(fields[0]) || (fields[1] != "0" && fields[1] != "1") || !numeric(fields[2])) {
        *malformed = true;
        return false;
    }
    *index = std::stoi(fields[0]);
    summary->passed = fields[1] == "1";
    summary->earned = std::stoi(fields[2]);
    summary->seconds = std::strtod(fields[3].c_str(), nullptr);
    summary->failure = fields[4];
    summary->details = fields[5];
    summary->notes.clear();
    for (size_t from = 0, end; (end = fields[6].find('\n', from)) != std::string::npos;
         from = end + 1)
        summary->notes.push_back(fields[6].substr(from, end - from));
    return true;
}

std::string ResultTable(const std::vector<SScenario>& scenarios,
                        const std::vector<SSubmissionResult>& results) {
    const std::string submission = core::Tr("predaja");
    size_t nameWidth = submission.size();
    for (const SSubmissionResult& r : results) nameWidth = std::max(nameWidth, r.name.size());
    std::vector<size_t> widths;
    std::string text = Padded(submission, nameWidth);
    int total = 0;
    for (const SScenario& s : scenarios) {
        widths.push_back(std::max<size_t>(Stem(s.file).size(), 7));
        text += "  " + Padded(Stem(s.file), widths.back());
        total += s.points;
    }
    text += "  " + std::string(core::Tr("ukupno")) + "\n";
    for (const SSubmissionResult& r : results) {
        text += Padded(r.name, nameWidth);
        for (size_t i = 0; i < r.cases.size(); ++i) {
            const SCaseSummary& c = r.cases[i];
            text +=
                "  " + Padded(std::to_string(c.earned) + "/" + std::to_string(c.points), widths[i]);
        }
        text += "  " + std::to_string(r.earned) + "/" + std::to_string(total) + "\n";
        // A submission that failed as a whole says so once, not per scenario.
        std::string previous;
        for (const SCaseSummary& c : r.cases) {
            if (c.passed || c.failure == previous) continue;
            std::string failure = c.failure;
            for (size_t at = failure.find('\n'); at != std::string::npos;
                 at = failure.find('\n', at + 1))
                failure.insert(at + 1, "      ");
            text += "    " + failure + "\n";
            previous = c.failure;
        }
        // The checks' notes cost no points: said after the failures.
        for (const SCaseSummary& c : r.cases) {
            for (const std::string& note : c.notes)
                text += "    " + core::Fill(core::Tr("napomena: %1"), {note}) + "\n";
        }
    }
    return text;
}

std::string ResultCsv(const std::vector<SScenario>& scenarios,
                      const std::vector<SSubmissionResult>& results) {
    std::string csv = "predaja";
    for (const SScenario& s : scenarios) csv += "," + CsvField(Stem(s.file));
    // The notes' column is there where the checks were asked for.
    const bool checked = std::any_of(scenarios.begin(), scenarios.end(),
                                     [](const SScenario& s) { return s.checks.value_or(0) != 0; });
    csv += checked ? ",ukupno,napomene\n" : ",ukupno\n";
    for (const SSubmissionResult& r : results) {
        csv += CsvField(r.name);
        std::string notes;
        for (const SCaseSummary& c : r.cases) {
            csv += "," + std::to_string(c.earned);
            for (const std::string& note : c.notes) notes += (notes.empty() ? "" : "; ") + note;
        }
        csv += "," + std::to_string(r.earned) + (checked ? "," + CsvField(notes) : "") + "\n";
    }
    return csv;
}

}  // namespace cli
