// A row of the point log that has a clip plays it: a click, or Enter on the focused row. The
// page is also read as XML, so no double quotes, ampersands or angle brackets here.
(function () {
  var video = document.getElementById('video');
  function play(row) {
    video.classList.add('fissato');
    video.currentTime = parseFloat(row.getAttribute('data-clip'));
    var started = video.play();
    if (started) {
      started.catch(function () {});  // a browser that refuses to play still shows the frame
    }
  }
  document.querySelectorAll('tr[data-clip]').forEach(function (row) {
    row.addEventListener('click', function () { play(row); });
    row.addEventListener('keydown', function (event) {
      if (event.key === 'Enter') {
        event.preventDefault();
        play(row);
      }
    });
  });
})();
