#include "scenario/scenario_report.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/texts/translate.h"
#include "scenario/json_text.h"

namespace scenario {

namespace {
const char* ResultText(EStepResult result) {
    switch (result) {
        case EStepResult::Held:
            return "held";
        case EStepResult::Failed:
            return "failed";
        case EStepResult::Skipped:
            return "skipped";
    }
    return "";
}

const char* ResultLabel(EStepResult result) {
    switch (result) {
        case EStepResult::Held:
            return "ok       ";
        case EStepResult::Failed:
            return core::Tr("GRESKA   ");
        case EStepResult::Skipped:
            return core::Tr("preskocen");
    }
    return "";
}

std::string FileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first failure; where an expectation failed before the pins left a
// model's, where they left it too, as that is what explains the failure.
std::string FirstFailure(const SScenarioReport& report) {
    if (!report.loaded) return report.loadFailure;
    std::string failure;
    for (const SStepReport& step : report.steps) {
        if (step.result != EStepResult::Failed) continue;
        if (failure.empty()) {
            failure = StepFailureText(report, step);
            if (step.difference) break;
        } else if (step.difference) {
            failure += "\n" + StepFailureText(report, step);
        }
    }
    return failure;
}

// The difference as a table of two rows, below its step.
std::string DifferenceTable(const SDifference& difference) {
    const std::string where =
        difference.file.empty() ? "-" : difference.file + ":" + std::to_string(difference.line);
    const std::vector<std::string> head = {
        core::Tr("ciklus"), core::Tr("vreme"),          "pin", "model",
        "program",          core::Tr("linija programa")};
    const std::vector<std::string> row = {std::to_string(difference.cycle),
                                          difference.time,
                                          difference.pin,
                                          difference.model,
                                          difference.program,
                                          where};
    std::string top = "    ";
    std::string bottom = "    ";
    for (size_t i = 0; i < head.size(); ++i) {
        const size_t width = std::max(head[i].size(), row[i].size());
        top += "  " + head[i] + std::string(width - head[i].size(), ' ');
        bottom += "  " + row[i] + std::string(width - row[i].size(), ' ');
    }
    while (!top.empty() && top.back() == ' ') top.pop_back();
    while (!bottom.empty() && bottom.back() == ' ') bottom.pop_back();
    return top + "\n" + bottom + "\n";
}

std::string DifferenceJson(const SDifference& difference) {
    return "{\"cycle\":" + std::to_string(difference.cycle) +
           ",\"time\":" + JsonString(difference.time) + ",\"pin\":" + JsonString(difference.pin) +
           ",\"model\":" + JsonString(difference.model) +
           ",\"program\":" + JsonString(difference.program) +
           ",\"source\":" + JsonString(difference.file) +
           ",\"line\":" + std::to_string(difference.line) +
           ",\"pc\":" + std::to_string(difference.pc) + "}";
}

// Text for XML content and attribute values. Control characters other than
// tab and line ends are not allowed in XML 1.0 at all, so they become '?'.
std::string XmlText(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20 && ch != '\n' && ch != '\t' &&
                    ch != '\r') {
                    out += '?';
                } else {
                    out += ch;
                }
        }
    }
    return out;
}
}  // namespace

std::string StepFailureText(const SScenarioReport& report, const SStepReport& step) {
    // The comparison with a model is a step of no line of the scenario.
    const std::string line = step.line ? ":" + std::to_string(step.line) : "";
    std::string failure = FileName(report.file) + line + " " + step.step + ": " + step.failure;
    if (!step.mismatches.empty()) {
        const SMismatch& first = step.mismatches.front();
        failure += "; " + core::Fill(core::Tr("%1: ocekivano %2, stvarno %3"),
                                     {first.key, first.expected, first.actual});
    }
    return failure;
}

std::string ReportText(const SScenarioReport& report) {
    const std::string file = FileName(report.file);
    std::string text =
        "Scenario \"" + report.name + "\" (" + report.file + "), program " + report.program + "\n";
    if (!report.loaded) text += "  " + report.loadFailure + "\n";
    size_t width = 0;
    for (const SStepReport& step : report.steps) {
        width = std::max(width, file.size() + 1 + std::to_string(step.line).size());
    }
    for (const SStepReport& step : report.steps) {
        std::string where = file + ":" + std::to_string(step.line);
        where.resize(width, ' ');
        text += "  " + where + "  " + ResultLabel(step.result) + "  " + step.step;
        if (step.points > 0) {
            text += " [" + std::to_string(step.result == EStepResult::Held ? step.points : 0) +
                    "/" + std::to_string(step.points) + "]";
        }
        if (!step.failure.empty()) text += ": " + step.failure;
        text += "\n";
        for (const SMismatch& mismatch : step.mismatches) {
            text += "      " +
                    core::Fill(core::Tr("%1: ocekivano %2, stvarno %3"),
                               {mismatch.key, mismatch.expected, mismatch.actual}) +
                    "\n";
        }
        if (step.difference) text += DifferenceTable(*step.difference);
        for (const std::string& message : step.messages)
            text += "      " + core::Fill(core::Tr("poruka: %1"), {message}) + "\n";
    }
    for (const SCheckNote& note : report.notes)
        text += "  " + core::Fill(core::Tr("napomena: %1"), {NoteText(note)}) + "\n";
    const int earned = EarnedPoints(report);
    text += core::Fill(report.passed ? core::Tr("PROSAO (%1/%2 poena), %3 ciklusa")
                                     : core::Tr("PAO (%1/%2 poena), %3 ciklusa"),
                       {std::to_string(earned), std::to_string(report.points),
                        std::to_string(report.cycles)}) +
            "\n";
    return text;
}

std::string ReportJson(const SScenarioReport& report) {
    std::string json = "{\"scenario\":" + JsonString(report.name) +
                       ",\"file\":" + JsonString(report.file) +
                       ",\"program\":" + JsonString(report.program) +
                       ",\"passed\":" + (report.passed ? "true" : "false") +
                       ",\"points\":" + std::to_string(report.points) +
                       ",\"earned\":" + std::to_string(EarnedPoints(report)) +
                       ",\"loaded\":" + (report.loaded ? "true" : "false") +
                       ",\"load_failure\":" + JsonString(report.loadFailure) +
                       ",\"cycles\":" + std::to_string(report.cycles) +
                       ",\"instructions\":" + std::to_string(report.instructions) + ",\"steps\":[";
    for (size_t i = 0; i < report.steps.size(); ++i) {
        const SStepReport& step = report.steps[i];
        if (i) json += ',';
        json += "{\"line\":" + std::to_string(step.line) + ",\"step\":" + JsonString(step.step) +
                ",\"result\":\"" + ResultText(step.result) +
                "\",\"failure\":" + JsonString(step.failure) +
                ",\"cycles\":" + std::to_string(step.cycles) +
                ",\"points\":" + std::to_string(step.points) + ",\"mismatches\":[";
        for (size_t m = 0; m < step.mismatches.size(); ++m) {
            const SMismatch& mismatch = step.mismatches[m];
            if (m) json += ',';
            json += "{\"key\":" + JsonString(mismatch.key) +
                    ",\"expected\":" + JsonString(mismatch.expected) +
                    ",\"actual\":" + JsonString(mismatch.actual) + "}";
        }
        json += "],\"messages\":[";
        for (size_t m = 0; m < step.messages.size(); ++m) {
            if (m) json += ',';
            json += JsonString(step.messages[m]);
        }
        json += "]";
        if (step.difference) json += ",\"difference\":" + DifferenceJson(*step.difference);
        json += "}";
    }
    json += "],\"checks\":[";
    for (size_t i = 0; i < report.notes.size(); ++i) {
        const SCheckNote& note = report.notes[i];
        if (i) json += ',';
        json += "{\"kind\":" + JsonString(note.kind) + ",\"source\":" + JsonString(note.file) +
                ",\"line\":" + std::to_string(note.line) + ",\"text\":" + JsonString(note.text) +
                "}";
    }
    return json + "]}";
}

std::string NoteText(const SCheckNote& note) {
    const std::string where =
        note.file.empty() ? "" : ", " + note.file + ":" + std::to_string(note.line);
    return core::Fill(core::Tr("provera %1%2: %3"), {note.kind, where, note.text});
}

SCaseSummary Summarize(const SScenarioReport& report) {
    SCaseSummary summary;
    summary.name = report.name;
    summary.passed = report.passed;
    summary.points = report.points;
    summary.earned = EarnedPoints(report);
    summary.seconds = report.seconds;
    summary.failure = FirstFailure(report);
    summary.details = ReportText(report);
    for (const SCheckNote& note : report.notes) summary.notes.push_back(NoteText(note));
    return summary;
}

bool WriteJUnit(const std::string& path, const std::vector<SSuite>& suites, std::string* error) {
    int tests = 0;
    int failures = 0;
    for (const SSuite& suite : suites) {
        for (const SCaseSummary& c : suite.cases) {
            ++tests;
            failures += c.passed ? 0 : 1;
        }
    }
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"" +
                      std::to_string(tests) + "\" failures=\"" + std::to_string(failures) + "\">\n";
    for (const SSuite& suite : suites) {
        int suiteFailures = 0;
        double seconds = 0;
        for (const SCaseSummary& c : suite.cases) {
            suiteFailures += c.passed ? 0 : 1;
            seconds += c.seconds;
        }
        char time[32];
        std::snprintf(time, sizeof time, "%.3f", seconds);
        xml += "  <testsuite name=\"" + XmlText(suite.name) + "\" tests=\"" +
               std::to_string(suite.cases.size()) + "\" failures=\"" +
               std::to_string(suiteFailures) + "\" time=\"" + time + "\">\n";
        for (const SCaseSummary& c : suite.cases) {
            std::snprintf(time, sizeof time, "%.3f", c.seconds);
            xml += "    <testcase classname=\"" + XmlText(suite.name) + "\" name=\"" +
                   XmlText(c.name) + "\" time=\"" + time + "\"";
            if (c.passed && c.notes.empty()) {
                xml += "/>\n";
                continue;
            }
            xml += ">\n";
            if (!c.passed) {
                xml += "      <failure message=\"" + XmlText(c.failure) + "\">" +
                       XmlText(c.details) + "</failure>\n";
            }
            // The checks' notes cost nothing: they are the case's output.
            if (!c.notes.empty()) {
                xml += "      <system-out>";
                for (const std::string& note : c.notes) xml += XmlText(note) + "\n";
                xml += "</system-out>\n";
            }
            xml += "    </testcase>\n";
        }
        xml += "  </testsuite>\n";
    }
    xml += "</testsuites>\n";

    std::FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        *error = path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(xml.data(), 1, xml.size(), file) == xml.size();
    if (std::fclose(file) != 0 || !written) {
        *error = core::Fill(core::Tr("%1: upis nije uspeo"), {path});
        return false;
    }
    return true;
}

}  // namespace scenario
