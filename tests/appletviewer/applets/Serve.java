import com.sun.net.httpserver.HttpServer;
import java.net.*;
import java.nio.file.*;

// Serves the files of a folder on the loopback address, printing its port
// and then each request.
public class Serve {
  public static void main(String[] a) throws Exception {
    HttpServer server = HttpServer.create(new InetSocketAddress(InetAddress.getLoopbackAddress(), 0), 0);
    server.createContext("/", x -> {
      System.out.println("GET " + x.getRequestURI());
      Path file = Paths.get(a[0], x.getRequestURI().getPath());
      byte[] body = Files.isRegularFile(file) ? Files.readAllBytes(file) : new byte[0];
      x.sendResponseHeaders(body.length > 0 ? 200 : 404, body.length > 0 ? body.length : -1);
      x.getResponseBody().write(body);
      x.close();
    });
    server.start();
    System.out.println("port " + server.getAddress().getPort());
  }
}
