// share.js: the drawing kept in the page's address, opened again from it, and the "Copy link" and
// "Save picture" buttons. The program writes and reads the links: the page only carries them
// between the program and the address bar; address.js says when the address is written.
'use strict';

const QuillmarkShare = (function () {
  // The program refuses links over 2,000 characters, saying how long they are. A fragment is copied
  // onto the program's stack (1 MB) at up to 4 bytes a character: a longer one is refused here.
  const LONGEST_FRAGMENT = 65_536;

  // The drawing a page leaves with, for the tab's next page if that is its reload: a reload loads the
  // address as it was when the reload began, before the page's last write of it on leaving.
  const LEFT_NOTE = 'quillmark-left';

  function percentDecoded(text) {
    try {
      return decodeURIComponent(text);
    } catch (malformed) {
      return text;
    }
  }

  // "#controls" and the like move to a part of the page; they name no drawing. The browser finds the
  // part by the fragment as written or percent-decoded ("#%63ontrols", from a mail program).
  function namesPagePart(fragment) {
    const id = fragment.slice(1);
    return id !== '' && (document.getElementById(id) ?? document.getElementById(percentDecoded(id))) !== null;
  }

  // connect(canvas, { program, clock, releaseInput, linkOpened, notice, isStopped, inSession }): program's
  // drawingLink() gives the fragment naming the drawing ('' for the start-up one), readLink(fragment)
  // reads one and gives what it could not use ('' when it can be opened), openLink(linkRead) shows
  // the drawing read (true) or the start-up one, redraw() asks for a frame; releaseInput() ends
  // every press the page gave it; linkOpened(), once a drawing was opened from a link;
  // notice(sentence) shows a sentence about the link, or none for ''; inSession, the tab's storage.
  function connect(canvas, { program, clock, releaseInput, linkOpened, notice, isStopped, inSession }) {
    const shareSaid = document.getElementById('share-said');
    const addressField = document.getElementById('share-address');
    // The fragment as the page last opened or wrote it. Another one in the address was typed or
    // pasted there, and its hashchange is still to come: it is opened then, never written over.
    let ownFragment = location.hash;
    let noticeShown = false;
    // An address that could not be used stays as typed, with its notice, so that it can be mended
    // there, until the drawing differs from the one shown when it was refused: that one's link.
    let keptOver = null;
    let pictureWanted = false;

    function say(text) {
      shareSaid.textContent = text;
    }

    function addressOf(link) {
      return link === '' ? location.pathname + location.search : `#${link}`;
    }

    function writeAddress() {
      if (isStopped()) return 'same';
      const fragment = location.hash;
      if (fragment !== ownFragment) return 'same';
      const link = program.drawingLink();
      if (keptOver !== null) {
        if (link === keptOver) return 'same';
        keptOver = null;
        notice('');
        noticeShown = false;
      }
      if (fragment === `#${link}` || (fragment === '' && link === '') || (link === '' && namesPagePart(fragment))) return 'same';
      try {
        history.replaceState(history.state, '', addressOf(link));
        ownFragment = location.hash;
        return 'written';
      } catch (refused) {
        // Too many calls for WebKit, for one: the drawing stays as it is, and the next try writes it.
        return 'refused';
      }
    }
    const address = QuillmarkAddress.create({ clock, write: writeAddress });

    // What the program could not use in a fragment, or '' (read then, for openLink).
    function problemOf(fragment) {
      return fragment.length > LONGEST_FRAGMENT
        ? `the address is more than ${LONGEST_FRAGMENT.toLocaleString('en')} characters long`
        : program.readLink(fragment);
    }

    function keepTyped(sentence) {
      notice(sentence);
      noticeShown = true;
      keptOver = program.drawingLink();
    }

    // The address the page was opened at, or one typed or pasted into its tab (pasted); a reload
    // opens the drawing the page left with (fragment) instead.
    function openAddress(pasted, fragment = location.hash) {
      ownFragment = location.hash;
      keptOver = null;
      if (isStopped()) return;
      if (namesPagePart(fragment)) {
        address.changed();
        return;
      }
      const problem = problemOf(fragment);
      if (problem !== '' && pasted) {
        // A slip of the hand throws nothing away: the drawing and a drag under way stay.
        keepTyped(`The address pasted could not be used: ${problem}. The drawing shown is kept.`);
        return;
      }
      // A drag under way ends first: a link sets the drawing that the next drag starts from.
      releaseInput();
      program.openLink(problem === '');
      if (problem === '') linkOpened();
      if (problem !== '') {
        keepTyped(`This link's drawing could not be used: ${problem}. Quillmark shows its start-up drawing instead.`);
      } else if (noticeShown) {
        notice('');
        noticeShown = false;
      }
    }

    // A reload shows the drawing the page left with; an address there that could not be used is
    // still the one typed, kept as it was.
    function reopen(left) {
      const typed = location.hash;
      openAddress(false, left === '' ? '' : `#${left}`);
      if (isStopped() || namesPagePart(typed)) return;
      const problem = problemOf(typed);
      if (problem !== '') keepTyped(`The address could not be used: ${problem}. Quillmark shows the tab's last drawing instead.`);
    }

    // The drawing's own address, whatever was typed in the address bar.
    async function copyLink() {
      address.writeNow();
      const link = new URL(addressOf(program.drawingLink()), location.href).href;
      try {
        await navigator.clipboard.writeText(link);
        addressField.hidden = true;
        say('Link copied');
      } catch (refused) {
        // No clipboard for this page (a plain HTTP site, or the browser said no): copied by hand.
        addressField.value = link;
        addressField.hidden = false;
        addressField.focus();
        addressField.select();
        say('The browser did not let the page copy: the link is selected, copy it with Ctrl+C (⌘C on a Mac).');
      }
    }

    function download(blob) {
      if (blob === null) {
        say('The picture could not be made.');
        return;
      }
      const url = URL.createObjectURL(blob);
      const link = document.createElement('a');
      link.href = url;
      link.download = 'quillmark.png';
      link.click();
      setTimeout(() => URL.revokeObjectURL(url), 60_000);
      say('Picture saved as quillmark.png');
    }

    document.getElementById('copy-link').addEventListener('click', copyLink);
    // WebGL keeps a frame's pixels only until the frame is shown: the picture is read while the
    // next frame is drawn (frameDrawn below).
    document.getElementById('save-picture').addEventListener('click', () => {
      pictureWanted = true;
      program.redraw();
    });
    window.addEventListener('hashchange', () => openAddress(true));
    // A change of the last second, or of a frame not drawn yet, goes with the page: into the address
    // for Back and a restored tab, and into the note for a reload.
    window.addEventListener('pagehide', () => {
      if (isStopped() || location.hash !== ownFragment) return;
      const link = program.drawingLink();
      inSession((session) => session.setItem(LEFT_NOTE, link));
      address.writeNow();
    });
    const left = inSession((session) => {
      const link = session.getItem(LEFT_NOTE);
      session.removeItem(LEFT_NOTE);
      return link;
    });
    const reloaded = performance.getEntriesByType('navigation')[0]?.type === 'reload';
    if (reloaded && left !== null) {
      reopen(left);
    } else {
      openAddress(false);
    }

    // After each frame, within the frame: the address follows the drawing, and a picture asked
    // for is taken from the canvas while it holds the frame's pixels.
    function frameDrawn() {
      address.changed();
      if (pictureWanted) {
        pictureWanted = false;
        canvas.toBlob(download, 'image/png');
      }
    }

    return { frameDrawn };
  }

  return { connect };
})();
