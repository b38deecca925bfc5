// The web mode from end to end: run.sh --web serves the editor of a scratch folder, and headless Chromium
// uses it through noVNC as an operator would, while the test watches what listens and what is left.
// Usage: node web_test.mjs ROOT WORK (WORK holds playwright-core and the test's own Wine prefix).
import assert from "node:assert/strict";
import { spawn, spawnSync } from "node:child_process";
import fs from "node:fs";
import net from "node:net";
import path from "node:path";
import { createRequire } from "node:module";

const [root, work] = process.argv.slice(2);
const { chromium } = createRequire(path.join(work, "node", "package.json"))("playwright-core");
const prefix = path.join(work, "wineprefix");
let passed = 0;
const runs = [];
const ok = (what) => console.log(`ok ${++passed} - ${what}`);
// What /proc says of a process that may end meanwhile.
const attempt = (read, otherwise) => { try { return read(); } catch { return otherwise; } };
const rows = (table) => fs.readFileSync(table, "latin1").split("\n").slice(1).map((line) => line.trim().split(/\s+/));
const listeningTcp = () => [...rows("/proc/net/tcp"), ...rows("/proc/net/tcp6")].filter((field) => field[3] === "0A");

// Waits, at most `seconds`, until `probe` gives something truthy, and gives it.
async function until(what, probe, seconds = 60) {
    for (let i = 0; i < seconds * 5; i++) {
        const value = await probe();
        if (value)
            return value;
        await new Promise((resolve) => setTimeout(resolve, 200));
    }
    throw new Error(`gave up waiting for ${what}`);
}

// run.sh --web on a fresh folder, the folder among the options, with a temporary folder of its own; it leads a
// process group of its own, as at a terminal.
function start(name, options) {
    const [folder, tmp] = [path.join(work, name), path.join(work, `${name}.tmp`)];
    for (const made of [folder, tmp]) {
        fs.rmSync(made, { recursive: true, force: true });
        fs.mkdirSync(made, { recursive: true });
    }
    const child = spawn(path.join(root, "scripts", "run.sh"), ["--web", ...options(folder)], {
        detached: true,
        stdio: ["ignore", "pipe", "pipe"],
        env: { ...process.env, SKYVARN_PREFIX: prefix, DISPLAY: "", TMPDIR: tmp },
    });
    const run = { child, folder: fs.realpathSync(folder), tmp, out: "", err: "", status: null };
    child.stdout.on("data", (data) => { run.out += data; });
    child.stderr.on("data", (data) => { run.err += data; });
    run.exited = new Promise((resolve) => child.on("exit", (code, signal) => resolve(code ?? signal)));
    run.exited.then((status) => { run.status = status; });
    runs.push(run);
    return run;
}

async function served(run) {
    const url = await until("the address", () => {
        if (run.status !== null)
            throw new Error(`run.sh --web ended (${run.status}) before it printed an address`);
        const last = run.out.trimEnd().split("\n").at(-1);
        return /^https?:/.test(last) && last;
    }, 240);
    return { url, lines: run.out.trimEnd().split("\n"), port: Number(new URL(url).port) };
}

// The processes of a run are those that carry its folder in their environment: the script's own children
// and the Wine processes the editor brought up.
const processesOf = (run) => fs.readdirSync("/proc").filter((pid) => /^\d+$/.test(pid) &&
    attempt(() => fs.readFileSync(`/proc/${pid}/environ`, "latin1").includes(`SKYVARN_DIR=${run.folder}\0`), false));

// The local addresses on which some processes listen on TCP.
function tcpOf(pids) {
    const sockets = new Set();
    for (const pid of pids) {
        for (const fd of attempt(() => fs.readdirSync(`/proc/${pid}/fd`), []))
            sockets.add(/^socket:\[(\d+)\]$/.exec(attempt(() => fs.readlinkSync(`/proc/${pid}/fd/${fd}`), ""))?.[1]);
    }
    return listeningTcp().filter((field) => sockets.has(field[9])).map((field) => field[1]);
}

// A raw request, so that paths such as /../ reach websockify as written.
function rawGet(port, target) {
    return new Promise((resolve) => {
        let answer = "";
        const socket = net.connect(port, "127.0.0.1", () =>
            socket.write(`GET ${target} HTTP/1.1\r\nHost: 127.0.0.1:${port}\r\nConnection: close\r\n\r\n`));
        socket.on("data", (data) => { answer += data; });
        socket.on("close", () => resolve(answer));
        socket.on("error", () => resolve(answer));
    });
}

// How many messages a WebSocket to websockify with the given query receives before it is closed.
function probeSocket(page, port, query) {
    return page.evaluate(([port, query]) => new Promise((resolve) => {
        const socket = new WebSocket(`ws://127.0.0.1:${port}/websockify${query}`, ["binary"]);
        let received = 0;
        socket.onmessage = () => { received++; socket.close(); };
        socket.onclose = () => resolve(received);
    }), [port, query]);
}

async function viewerOf(page) {
    const frame = await (await page.waitForSelector("iframe")).contentFrame();
    await frame.waitForSelector("html.noVNC_connected", { state: "attached", timeout: 60000 });
    return frame;
}

// The editor is drawn once the viewer's picture holds the window's many colours, not one blank fill.
async function drawn(frame) {
    await until("the editor's window on the page", () => frame.evaluate(() => {
        const canvas = document.querySelector("#noVNC_container canvas");
        if (!canvas || canvas.width < 100)
            return false;
        const pixels = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
        const colours = new Set();
        for (let i = 0; i < pixels.length; i += 4 * 97)
            colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
        return colours.size > 4;
    }));
    return frame.locator("#noVNC_container canvas");
}

async function note(page) {
    await page.waitForSelector("#note:not([hidden])", { state: "attached", timeout: 60000 });
    return page.textContent("#note");
}

async function settingsHold(run, text) {
    const file = path.join(run.folder, "qv3server.ini");
    await until(`qv3server.ini holding ${text}`, () =>
        fs.existsSync(file) && fs.readFileSync(file, "latin1").includes(`serverDesc="${text}"`), 30);
}

// Where the description box lies in the picture of the main window.
const descriptionBox = { x: 240, y: 120 };

async function replaceDescription(page, canvas, keys) {
    await canvas.click({ position: descriptionBox });
    await page.keyboard.press("End");
    await page.keyboard.press("Shift+Home");
    await keys();
    await page.keyboard.press("Alt+b");
}

const hexPort = (port) => port.toString(16).toUpperCase().padStart(4, "0");

function leftNothing(run, port) {
    assert.deepEqual(processesOf(run), [], "processes of the run are left");
    assert.ok(!listeningTcp().some((field) => field[1].endsWith(`:${hexPort(port)}`)), `port ${port} still listens`);
    // (Debian's Wine keeps its servers' folders, wine-*, in the temporary folder.)
    assert.deepEqual(fs.readdirSync(run.tmp).filter((entry) => !entry.startsWith("wine-")), [],
                     "temporary files of the run are left");
}

let browser;
try {
    const run = start("served", (folder) => [folder]);
    const { url, lines, port } = await served(run);
    const secret = new URL(url).hash.replace("#secret=", "");
    assert.match(url, new RegExp(`^http://127\\.0\\.0\\.1:${port}/#secret=[0-9a-f]{64}$`));
    assert.equal(lines.at(-2), `ssh -N -L ${port}:127.0.0.1:${port} ${lines.at(-2).split(" ").at(-1)}`);
    ok("the last line is the address with a 256-bit secret, the line before it the tunnel");

    // Only websockify listens on TCP, on the loopback address; what the run keeps in its temporary folder
    // (the VNC socket, the secret's token file, the display's cookie) is the operator's alone.
    assert.deepEqual(tcpOf(processesOf(run)), [`0100007F:${hexPort(port)}`]);
    const kept = fs.readdirSync(run.tmp);
    assert.ok(kept.some((entry) => fs.existsSync(path.join(run.tmp, entry, "vnc.sock"))), `no VNC socket in ${kept}`);
    for (const entry of kept)
        assert.equal(fs.statSync(path.join(run.tmp, entry)).mode & 0o077, 0, `others may enter ${entry}`);
    ok("only 127.0.0.1 listens on TCP; the VNC socket and the display's cookie are the operator's alone");

    browser = await chromium.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
    const operator = await (await browser.newContext()).newPage();
    await operator.goto(url);
    const viewer = await viewerOf(operator);
    const canvas = await drawn(viewer);
    await replaceDescription(operator, canvas, () => operator.keyboard.type("Served over the web 7"));
    await settingsHold(run, "Served over the web 7");
    ok("typed through the page, Alt+B builds the description into qv3server.ini");

    await viewer.click("#noVNC_control_bar_handle");
    await viewer.click("#noVNC_clipboard_button");
    await viewer.fill("#noVNC_clipboard_text", "Pasted from the panel");
    await viewer.click("#noVNC_clipboard_button");
    await replaceDescription(operator, canvas, () => operator.keyboard.press("Control+v"));
    await settingsHold(run, "Pasted from the panel");
    ok("noVNC's clipboard panel pastes into the description box");

    // Without the secret, or with a wrong one: no picture, no input, and the operator keeps the editor.
    const stranger = await (await browser.newContext()).newPage();
    const wrong = secret.replace(/^./, (c) => (c === "0" ? "1" : "0"));
    for (const address of [url.replace(/#.*/, ""), url.replace(secret, wrong)]) {
        await stranger.goto(address);
        assert.match(await note(stranger), /^No way in/, address);
    }
    for (const query of ["", "?token=", `?token=${wrong}`, `?token=${secret.slice(0, 32)}`,
                         `?token=${secret.toUpperCase()}`])
        assert.equal(await probeSocket(stranger, port, query), 0, `the WebSocket with "${query}" got data`);
    for (const target of ["/tokens", "/../tokens", "/%2e%2e/tokens", "/vnc.sock", "/websockify", "/Xauthority"]) {
        const answer = await rawGet(port, target);
        assert.ok(!answer.startsWith("HTTP/1.1 200") && !answer.includes(secret), `${target}: ${answer}`);
    }
    assert.ok(await viewer.$("html.noVNC_connected"), "a refused stranger ended the operator's connection");
    ok("without the secret, or with a wrong one, neither page nor WebSocket gets picture or input");

    // With the secret, the same WebSocket gets the VNC greeting; a second browser with it takes over, and
    // the first page is told.
    assert.ok(await probeSocket(stranger, port, `?token=${secret}`) > 0, "the secret's WebSocket got nothing");
    const second = await (await browser.newContext()).newPage();
    await second.goto(url);
    const canvas2 = await drawn(await viewerOf(second));
    assert.match(await note(operator), /^Another browser has opened the editor/);
    ok("with the secret a second browser takes over, and the first page says so");

    await canvas2.click({ position: { x: 300, y: 60 } });
    await second.keyboard.press("Alt+x");
    assert.match(await note(second), /^The editor has ended/);
    assert.equal(await until("run.sh to return", () => run.status !== null && String(run.status)), "0");
    leftNothing(run, port);
    ok("Alt+X through the page ends the editor: the page says so, run.sh returns, nothing is left");

    // With a certificate and a port of the caller's choice, given before and after the folder: TLS only. A
    // hang-up (the SSH connection closed) ends the run as the editor's end does.
    const chosen = Number(spawnSync("python3", ["-c", "import socket; s = socket.socket(); s.bind(('127.0.0.1', 0)); " +
                                                      "print(s.getsockname()[1])"], { encoding: "utf8" }).stdout);
    const pem = path.join(work, "certificate.pem");
    const made = spawnSync("openssl", ["req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                                       "-subj", "/CN=127.0.0.1", "-keyout", pem, "-out", pem]);
    assert.equal(made.status, 0, String(made.stderr));
    const hungUp = start("hung-up", (folder) => ["--port", String(chosen), folder,
                                                 "--listen", "127.0.0.1", "--cert", pem]);
    const tls = await served(hungUp);
    assert.equal(tls.port, chosen);
    assert.match(tls.url, /^https:/);
    const page = await (await browser.newContext({ ignoreHTTPSErrors: true })).newPage();
    await page.goto(tls.url);
    await drawn(await viewerOf(page));
    assert.equal(await rawGet(chosen, "/"), "", "plain HTTP was answered");
    process.kill(-hungUp.child.pid, "SIGHUP");
    assert.equal(String(await hungUp.exited), "129");
    leftNothing(hungUp, chosen);
    ok("run.sh --web --port N DIR --cert FILE: the editor over TLS only; a hang-up ends every process of the run");

    console.log(`${passed} passed, 0 failed`);
} catch (error) {
    console.log(`not ok - ${error.stack || error}`);
    for (const run of runs)
        console.log(`--- run.sh --web on ${run.folder}, status ${run.status}\n${run.out}${run.err}`);
    console.log(`--- Wine's messages\n${attempt(() => fs.readFileSync(`${prefix}.log`, "latin1").slice(-3000), "")}`);
    process.exitCode = 1;
} finally {
    if (browser)
        await browser.close();
    // A run that failed half-way is ended by its own tidying, which a terminal signal starts.
    for (const run of runs.filter((run) => run.status === null)) {
        process.kill(-run.child.pid, "SIGTERM");
        await run.exited;
    }
}
