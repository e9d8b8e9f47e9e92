// Runs the program kipto2-scores on a free loopback port for a test, reads the port from its
// first line, and stops it with SIGTERM when the test is done.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

class ServiceProcess {
public:
    // Starts the program with "--port 0 --db database" and any further arguments; port() is 0
    // when it did not come up (its output then says why).
    explicit ServiceProcess(const std::string& database, std::vector<std::string> extra = {})
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            dup2(out[1], STDERR_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<std::string> words = {KIPTO2_SCORES_PROGRAM, "--port", "0", "--db", database};
            words.insert(words.end(), extra.begin(), extra.end());
            std::vector<char*> argv;
            for (std::string& word : words)
                argv.push_back(word.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        output = fdopen(out[0], "r");
        std::string first = readLine();
        size_t colon = first.rfind(':');
        if (first.find("listening on") != std::string::npos && colon != std::string::npos)
            port_ = std::stoi(first.substr(colon + 1));
    }

    ~ServiceProcess()
    {
        if (pid > 0 && exitCode < 0)
            stop();
        if (output)
            fclose(output);
    }

    int port() const { return port_; }
    std::string url(const std::string& target) const
    {
        return "http://127.0.0.1:" + std::to_string(port_) + target;
    }

    // The next line the program wrote (without its line break); empty at its end.
    std::string readLine()
    {
        std::string line;
        for (int c; output && (c = fgetc(output)) != EOF && c != '\n';)
            line += static_cast<char>(c);
        return line;
    }

    // Stops the program (SIGSTOP) / lets it go on: a stalled service, whose port still takes
    // connections but answers nothing.
    void stall() { kill(pid, SIGSTOP); }
    void resume() { kill(pid, SIGCONT); }

    // Sends SIGTERM (and SIGCONT, for a stalled program) and waits for the end; the exit code,
    // or -1 when it did not end normally.
    int stop()
    {
        kill(pid, SIGTERM);
        resume();
        return waitForExit();
    }

    int waitForExit()
    {
        int status = 0;
        if (exitCode < 0 && waitpid(pid, &status, 0) == pid)
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
        return exitCode;
    }

private:
    pid_t pid = -1;
    FILE* output = nullptr;
    int port_ = 0;
    int exitCode = -1;
};
