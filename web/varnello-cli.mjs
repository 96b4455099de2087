#!/usr/bin/env node
// varnello-cli for Node: the command line itself, compiled to WebAssembly, with this process's
// arguments, standard input, output and exit status. Answers exactly as the native program.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
// The module's Node support expects CommonJS's require and __dirname.
globalThis.require ??= createRequire(import.meta.url);
globalThis.__dirname ??= path.join(here, 'site');
const { default: createVarnello } = await import(path.join(here, 'site', 'varnello.mjs'));

// Standard input, read as the program asks for it (batch answers line by line as input comes).
const input = Buffer.alloc(1 << 16);
let inputEnd = 0;
let inputAt = 0;
let inputDone = false;
function readByte() {
  if (inputAt === inputEnd) {
    if (inputDone) return null;
    for (;;) {
      try {
        inputEnd = fs.readSync(0, input, 0, input.length, null);
      } catch (e) {
        if (e.code === 'EAGAIN') continue;
        if (e.code === 'EOF') inputEnd = 0;
        else throw e;
      }
      break;
    }
    inputAt = 0;
    if (inputEnd === 0) {
      inputDone = true;
      return null;
    }
  }
  return input[inputAt++];
}

// Output and errors, collected and written in large pieces.
class Sink {
  constructor(fd) {
    this.fd = fd;
    this.buffer = Buffer.alloc(1 << 16);
    this.used = 0;
  }
  put(byte) {
    if (byte === null) return;
    if (this.used === this.buffer.length) this.flush();
    this.buffer[this.used++] = byte;
  }
  flush() {
    let at = 0;
    while (at < this.used) at += fs.writeSync(this.fd, this.buffer, at, this.used - at);
    this.used = 0;
  }
}
const stdout = new Sink(1);
const stderr = new Sink(2);

const module = await createVarnello({
  wasmBinary: fs.readFileSync(path.join(here, 'site', 'varnello.wasm')),
  preRun: [(m) => m.FS.init(readByte, (b) => stdout.put(b), (b) => stderr.put(b))],
});
const status = module.callMain(process.argv.slice(2));
stdout.flush();
stderr.flush();
process.exitCode = typeof status === 'number' ? status : 1;
